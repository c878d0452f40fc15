#include "app/ui/symbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <functional>
#include <map>

namespace app::ui {
namespace {

// Glyphs are drawn in a 24 × 24 box. `ink` strokes or fills in the symbol's
// colour; `cut` clears pixels, for the knocked-out marks of the ".fill" symbols.
struct Canvas {
    QPainter& painter;
    QColor color;

    QPen pen(double width = 2.0) const {
        return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
    void stroke(const QPainterPath& path, double width = 2.0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(pen(width));
        painter.drawPath(path);
    }
    void fill(const QPainterPath& path) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawPath(path);
    }
    void cutStroke(const QPainterPath& path, double width = 2.2) {
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
        painter.restore();
    }
    void cutFill(const QPainterPath& path) {
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPath(path);
        painter.restore();
    }
};

QPainterPath circle(double cx, double cy, double r) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first) {
            path.moveTo(point);
            first = false;
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path = polyline(points);
    path.closeSubpath();
    return path;
}

QPainterPath roundedRect(double x, double y, double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath checkMark(double scale = 1.0) {
    const auto p = [scale](double x, double y) {
        return QPointF(12 + (x - 12) * scale, 12 + (y - 12) * scale);
    };
    return polyline({p(7.5, 12.5), p(10.6, 15.6), p(16.5, 8.8)});
}

QPainterPath crossMark(double half) {
    QPainterPath path = polyline({{12 - half, 12 - half}, {12 + half, 12 + half}});
    path.moveTo(12 + half, 12 - half);
    path.lineTo(12 - half, 12 + half);
    return path;
}

// An arc of a circle around (cx, cy) from `startDegrees` sweeping `spanDegrees`
// (counter-clockwise positive, as QPainterPath measures), with an arrowhead at its end.
QPainterPath arrowArc(double cx, double cy, double r, double startDegrees, double spanDegrees,
                      double headSize = 3.2) {
    QPainterPath path;
    const QRectF box(cx - r, cy - r, 2 * r, 2 * r);
    path.arcMoveTo(box, startDegrees);
    path.arcTo(box, startDegrees, spanDegrees);
    const double end = qDegreesToRadians(startDegrees + spanDegrees);
    const QPointF tip(cx + r * std::cos(end), cy - r * std::sin(end));
    // The tangent in the direction of travel.
    const double sign = spanDegrees >= 0 ? 1.0 : -1.0;
    const QPointF tangent(-std::sin(end) * sign, -std::cos(end) * sign);
    const QPointF normal(-tangent.y(), tangent.x());
    path.moveTo(tip - tangent * headSize + normal * headSize);
    path.lineTo(tip);
    path.lineTo(tip - tangent * headSize - normal * headSize);
    return path;
}

QPainterPath folderShape(double x = 2.5, double y = 5.0, double w = 19.0, double h = 14.5) {
    QPainterPath path;
    path.moveTo(x, y + 2);
    path.quadTo(x, y, x + 2, y);
    path.lineTo(x + w * 0.36, y);
    path.lineTo(x + w * 0.46, y + 2.2);
    path.lineTo(x + w - 2, y + 2.2);
    path.quadTo(x + w, y + 2.2, x + w, y + 4.2);
    path.lineTo(x + w, y + h - 2);
    path.quadTo(x + w, y + h, x + w - 2, y + h);
    path.lineTo(x + 2, y + h);
    path.quadTo(x, y + h, x, y + h - 2);
    path.closeSubpath();
    return path;
}

QPainterPath star(double cx, double cy, double outer, double inner, int points) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -M_PI / 2 + i * M_PI / points;
        const QPointF point(cx + radius * std::cos(angle), cy + radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath speakerShape() {
    return polygon({{3, 9.5}, {7, 9.5}, {12, 5}, {12, 19}, {7, 14.5}, {3, 14.5}});
}

QPainterPath gear(double cx, double cy, double r) {
    QPainterPath path = star(cx, cy, r, r * 0.72, 8);
    path.addEllipse(QPointF(cx, cy), r * 0.35, r * 0.35);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

using Glyph = std::function<void(Canvas&)>;

const std::map<QString, Glyph>& glyphs() {
    static const std::map<QString, Glyph> table = {
        {"circle", [](Canvas& c) { c.stroke(circle(12, 12, 8.5)); }},
        {"checkmark.circle.fill",
         [](Canvas& c) {
             c.fill(circle(12, 12, 10));
             c.cutStroke(checkMark());
         }},
        {"xmark.circle.fill",
         [](Canvas& c) {
             c.fill(circle(12, 12, 10));
             c.cutStroke(crossMark(3.8));
         }},
        {"xmark.circle",
         [](Canvas& c) {
             c.stroke(circle(12, 12, 9));
             c.stroke(crossMark(3.5));
         }},
        {"questionmark.circle",
         [](Canvas& c) {
             c.stroke(circle(12, 12, 9));
             QPainterPath hook;
             hook.moveTo(9.2, 9.6);
             hook.cubicTo(9.2, 6.4, 14.8, 6.4, 14.8, 9.6);
             hook.cubicTo(14.8, 11.6, 12, 11.8, 12, 14);
             c.stroke(hook);
             c.fill(circle(12, 17.2, 1.2));
         }},
        {"minus.circle",
         [](Canvas& c) {
             c.stroke(circle(12, 12, 9));
             c.stroke(polyline({{7.5, 12}, {16.5, 12}}));
         }},
        {"play.circle",
         [](Canvas& c) {
             c.stroke(circle(12, 12, 9));
             QPainterPath triangle;
             triangle.moveTo(9.8, 8.2);
             triangle.lineTo(16.2, 12);
             triangle.lineTo(9.8, 15.8);
             triangle.closeSubpath();
             c.fill(triangle);
         }},
        {"stop.circle",
         [](Canvas& c) {
             c.stroke(circle(12, 12, 9));
             c.fill(roundedRect(8.6, 8.6, 6.8, 6.8, 1.2));
         }},
        {"stop.circle.fill",
         [](Canvas& c) {
             c.fill(circle(12, 12, 10));
             c.cutFill(roundedRect(8.4, 8.4, 7.2, 7.2, 1.2));
         }},
        {"plus.circle",
         [](Canvas& c) {
             c.stroke(circle(12, 12, 9));
             QPainterPath plus = polyline({{12, 7.5}, {12, 16.5}});
             plus.moveTo(7.5, 12);
             plus.lineTo(16.5, 12);
             c.stroke(plus);
         }},
        {"arrow.clockwise", [](Canvas& c) { c.stroke(arrowArc(12, 12.5, 7.5, 110, -300)); }},
        {"arrow.triangle.2.circlepath.circle.fill",
         [](Canvas& c) {
             c.fill(circle(12, 12, 10));
             c.cutStroke(arrowArc(12, 12, 5.2, 150, -130, 2.2), 1.8);
             c.cutStroke(arrowArc(12, 12, 5.2, -30, -130, 2.2), 1.8);
         }},
        {"arrow.up",
         [](Canvas& c) {
             QPainterPath path = polyline({{12, 19}, {12, 5}});
             path.addPath(polyline({{6.5, 10.5}, {12, 5}, {17.5, 10.5}}));
             c.stroke(path, 2.2);
         }},
        {"arrow.down",
         [](Canvas& c) {
             QPainterPath path = polyline({{12, 5}, {12, 19}});
             path.addPath(polyline({{6.5, 13.5}, {12, 19}, {17.5, 13.5}}));
             c.stroke(path, 2.2);
         }},
        {"chevron.left",
         [](Canvas& c) {
             c.stroke(polyline({{15, 5}, {8, 12}, {15, 19}}), 2.6);
         }},
        {"checkmark.seal.fill",
         [](Canvas& c) {
             QPainterPath seal = star(12, 12, 10.5, 8.6, 12);
             c.painter.setPen(QPen(c.color, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             c.painter.setBrush(c.color);
             c.painter.drawPath(seal);
             c.cutStroke(checkMark(0.95));
         }},
        {"music.note.list",
         [](Canvas& c) {
             QPainterPath lines = polyline({{3, 6}, {12, 6}});
             lines.addPath(polyline({{3, 11}, {12, 11}}));
             lines.addPath(polyline({{3, 16}, {9, 16}}));
             c.stroke(lines);
             c.stroke(polyline({{19, 16.5}, {19, 4.5}, {22, 5.8}}));
             QPainterPath head;
             head.addEllipse(QPointF(16.6, 17), 2.8, 2.2);
             c.fill(head);
         }},
        {"magnifyingglass",
         [](Canvas& c) {
             c.stroke(circle(10, 10, 6));
             c.stroke(polyline({{14.5, 14.5}, {20, 20}}), 2.6);
         }},
        {"folder", [](Canvas& c) { c.stroke(folderShape(), 1.8); }},
        {"folder.fill", [](Canvas& c) { c.fill(folderShape()); }},
        {"folder.badge.questionmark",
         [](Canvas& c) {
             c.fill(folderShape(1.5, 4.0, 17.0, 13.5));
             c.cutFill(circle(17.5, 16.5, 6.2));
             QPainterPath hook;
             hook.moveTo(15.7, 15.0);
             hook.cubicTo(15.7, 12.9, 19.3, 12.9, 19.3, 15.0);
             hook.cubicTo(19.3, 16.3, 17.5, 16.4, 17.5, 17.8);
             c.stroke(hook, 1.6);
             c.fill(circle(17.5, 20.2, 0.9));
         }},
        {"folder.badge.gearshape",
         [](Canvas& c) {
             c.fill(folderShape(1.5, 4.0, 17.0, 13.5));
             c.cutFill(circle(17.5, 16.5, 6.4));
             c.fill(gear(17.5, 16.5, 4.8));
         }},
        {"wand.and.stars",
         [](Canvas& c) {
             c.stroke(polyline({{4, 20}, {14.5, 9.5}}), 2.6);
             c.fill(star(17.5, 6.5, 4.2, 1.5, 4));
             c.fill(star(8, 5, 2.6, 0.9, 4));
             c.fill(star(19.5, 15.5, 2.6, 0.9, 4));
         }},
        {"hourglass",
         [](Canvas& c) {
             QPainterPath frame = polyline({{6, 3.5}, {18, 3.5}});
             frame.addPath(polyline({{6, 20.5}, {18, 20.5}}));
             c.stroke(frame);
             c.stroke(
                 polygon(
                     {{7.5, 3.5}, {16.5, 3.5}, {12.6, 12}, {16.5, 20.5}, {7.5, 20.5}, {11.4, 12}}),
                 1.6);
             c.fill(polygon({{9.2, 19.2}, {14.8, 19.2}, {12, 15.2}}));
         }},
        {"waveform",
         [](Canvas& c) {
             const double heights[] = {4, 9, 15, 8, 12, 17, 10, 6, 3};
             QPainterPath bars;
             for (int i = 0; i < 9; ++i) {
                 const double x = 3 + i * 2.25;
                 bars.addPath(polyline({{x, 12 - heights[i] / 2}, {x, 12 + heights[i] / 2}}));
             }
             c.stroke(bars, 1.6);
         }},
        {"waveform.path.ecg",
         [](Canvas& c) {
             c.stroke(polyline({{2, 12.5},
                                {6.5, 12.5},
                                {8.5, 8},
                                {11, 19},
                                {13.5, 4},
                                {16, 15},
                                {17.5, 12.5},
                                {22, 12.5}}),
                      1.9);
         }},
        {"speaker.fill", [](Canvas& c) { c.fill(speakerShape()); }},
        {"speaker.wave.2.fill",
         [](Canvas& c) {
             c.fill(speakerShape());
             QPainterPath waves;
             waves.arcMoveTo(QRectF(9.5, 8.5, 7, 7), 50);
             waves.arcTo(QRectF(9.5, 8.5, 7, 7), 50, -100);
             waves.arcMoveTo(QRectF(8.5, 4.5, 13, 15), 55);
             waves.arcTo(QRectF(8.5, 4.5, 13, 15), 55, -110);
             c.stroke(waves, 1.8);
         }},
        {"brain.head.profile",
         [](Canvas& c) {
             QPainterPath head;
             head.moveTo(8, 21);
             head.lineTo(8, 17);
             head.cubicTo(4.5, 15.5, 3.5, 12, 4, 9);
             head.cubicTo(4.8, 4.5, 9, 2.5, 12.5, 2.7);
             head.cubicTo(17, 2.9, 20, 6, 19.6, 10.2);
             head.lineTo(21.2, 13.2);
             head.lineTo(19.4, 13.8);
             head.lineTo(19.4, 16.4);
             head.cubicTo(19.4, 17.6, 18.4, 18.2, 17, 18);
             head.lineTo(15.2, 17.8);
             head.lineTo(15.2, 21);
             c.stroke(head, 1.7);
             QPainterPath brain;
             brain.moveTo(9, 10.5);
             brain.cubicTo(8, 7, 12, 5.5, 13, 7.5);
             brain.cubicTo(15.5, 6.5, 17, 9.5, 15, 11);
             brain.moveTo(11.5, 8.5);
             brain.cubicTo(11, 10.5, 13, 11.5, 13.5, 10);
             c.stroke(brain, 1.4);
         }},
        {"sparkles",
         [](Canvas& c) {
             c.fill(star(10, 13, 8, 2.2, 4));
             c.fill(star(18.5, 5.5, 3.6, 1.1, 4));
         }},
        {"diamond",
         [](Canvas& c) {
             c.stroke(polygon({{12, 3}, {21, 12}, {12, 21}, {3, 12}}), 2.0);
         }},
        {"link",
         [](Canvas& c) {
             c.painter.save();
             c.painter.translate(12, 12);
             c.painter.rotate(-45);
             c.painter.translate(-12, -12);
             c.stroke(roundedRect(2.5, 8.8, 10.5, 6.4, 3.2), 2.0);
             c.stroke(roundedRect(11, 8.8, 10.5, 6.4, 3.2), 2.0);
             c.painter.restore();
         }},
        {"exclamationmark.triangle.fill",
         [](Canvas& c) {
             QPainterPath triangle = polygon({{12, 2.8}, {22, 20.5}, {2, 20.5}});
             c.painter.setPen(QPen(c.color, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             c.painter.setBrush(c.color);
             c.painter.drawPath(triangle);
             c.cutStroke(polyline({{12, 8.5}, {12, 13.8}}), 2.2);
             c.cutFill(circle(12, 17.2, 1.3));
         }},
        {"dot.radiowaves.left.and.right",
         [](Canvas& c) {
             c.fill(circle(12, 12, 2.3));
             QPainterPath waves;
             for (const double r : {5.5, 9.0}) {
                 const QRectF box(12 - r, 12 - r, 2 * r, 2 * r);
                 waves.arcMoveTo(box, 40);
                 waves.arcTo(box, 40, -80);
                 waves.arcMoveTo(box, 140);
                 waves.arcTo(box, 140, 80);
             }
             c.stroke(waves, 1.8);
         }},
        {"clock",
         [](Canvas& c) {
             c.stroke(circle(12, 12, 9));
             c.stroke(polyline({{12, 6.8}, {12, 12}, {15.6, 14.2}}));
         }},
    };
    return table;
}

}  // namespace

QStringList knownSymbolNames() {
    QStringList names;
    for (const auto& [name, glyph] : glyphs()) names << name;
    return names;
}

bool isKnownSymbol(const QString& name) { return glyphs().count(name) > 0; }

QPixmap symbolPixmap(const QString& name, const QColor& color, int sizePixels,
                     qreal devicePixelRatio) {
    const int side = qMax(1, qRound(sizePixels * devicePixelRatio));
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(sizePixels / 24.0, sizePixels / 24.0);
    Canvas canvas{painter, color};
    const auto found = glyphs().find(name);
    const auto& glyph = found != glyphs().end()
                            ? found->second
                            : glyphs().at(QStringLiteral("questionmark.circle"));
    glyph(canvas);
    return pixmap;
}

QIcon symbolIcon(const QString& name, const QColor& color) {
    QIcon icon;
    QColor disabled = color;
    disabled.setAlphaF(color.alphaF() * 0.35f);
    for (const qreal ratio : {1.0, 2.0}) {
        icon.addPixmap(symbolPixmap(name, color, 16, ratio), QIcon::Normal);
        icon.addPixmap(symbolPixmap(name, color, 16, ratio), QIcon::Active);
        icon.addPixmap(symbolPixmap(name, disabled, 16, ratio), QIcon::Disabled);
    }
    return icon;
}

}  // namespace app::ui
