#pragma once
// Helpers for driving the wizard window as a person would: songs made of a
// tone after some silence, and controls found by their accessible names.

#include <QAccessible>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "tests/app/support/wizard_test_helpers.h"

namespace uitest {

using testsupport::writeSongs;

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
