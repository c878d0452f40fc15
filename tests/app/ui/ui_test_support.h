#pragma once
// Helpers for driving the wizard window as a person would: songs made of a
// tone after some silence, and controls found by their accessible names.

#include <QAccessible>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace uitest {

// Writes short 44.1 kHz stereo WAVs (silence, then a tone) into `folder` and
// returns their paths in the given order.
QStringList writeSongs(const QString& folder, const QStringList& names, double toneSeconds = 6.0);

// The accessible name a screen reader would announce for `widget`.
QString accessibleName(QWidget* widget);

// The first visible widget of type T under `root` whose accessible name is `name`.
template <typename T>
T* findByAccessibleName(QWidget* root, const QString& name) {
    for (T* widget : root->findChildren<T*>()) {
        if (widget->isVisibleTo(root) && accessibleName(widget) == name) return widget;
    }
    return nullptr;
}

// Texts of every visible label under `root`, for "is this shown" checks.
QStringList visibleLabelTexts(QWidget* root);

}  // namespace uitest
