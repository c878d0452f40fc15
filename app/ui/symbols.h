#pragma once
// Small vector symbols drawn with QPainter, looked up by the names the screens
// use ("checkmark.circle.fill", "folder.badge.gearshape", ...). Every symbol is
// drawn by this project; nothing comes from an icon theme, so the look is the
// same on every desktop and on the offscreen platform. Interface thread only.

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace app::ui {

// Every name the mapping table knows.
QStringList knownSymbolNames();
bool isKnownSymbol(const QString& name);

// A square pixmap of `sizePixels` logical pixels at the given device pixel ratio.
// An unknown name draws a question mark in a circle, so a missing entry shows.
QPixmap symbolPixmap(const QString& name, const QColor& color, int sizePixels,
                     qreal devicePixelRatio = 1.0);

// The symbol at 1x and 2x for buttons, in the given colour (also when disabled,
// at lower opacity).
QIcon symbolIcon(const QString& name, const QColor& color);

}  // namespace app::ui
