#include "app/ui/wizard_style.h"

#include <QStyle>
#include <QWidget>

namespace app::ui {

namespace palette {
QColor accent() { return QColor::fromRgbF(0.94f, 0.71f, 0.28f); }
QColor success() { return QColor::fromRgbF(0.30f, 0.80f, 0.46f); }
QColor danger() { return QColor::fromRgbF(0.96f, 0.36f, 0.34f); }
QColor warning() { return QColor::fromRgbF(1.0f, 0.60f, 0.22f); }
QColor window() { return QColor(24, 25, 29); }
QColor text(double opacity) {
    QColor color(Qt::white);
    color.setAlphaF(static_cast<float>(opacity));
    return color;
}
}  // namespace palette

namespace {

QString rgba(const QColor& color) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

QString withAlpha(QColor color, double opacity) {
    color.setAlphaF(static_cast<float>(opacity));
    return rgba(color);
}

}  // namespace

void setStyleRole(QWidget* widget, const QString& role) {
    if (widget->property(kStyleRoleProperty).toString() == role) return;
    widget->setProperty(kStyleRoleProperty, role);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

QPalette wizardPalette() {
    QPalette colors;
    const QColor base(16, 17, 20);
    const QColor raised(38, 40, 46);
    colors.setColor(QPalette::Window, palette::window());
    colors.setColor(QPalette::WindowText, palette::text(0.9));
    colors.setColor(QPalette::Base, base);
    colors.setColor(QPalette::AlternateBase, raised);
    colors.setColor(QPalette::Text, palette::text(0.9));
    colors.setColor(QPalette::PlaceholderText, palette::text(0.42));
    colors.setColor(QPalette::Button, raised);
    colors.setColor(QPalette::ButtonText, palette::text(0.9));
    colors.setColor(QPalette::ToolTipBase, raised);
    colors.setColor(QPalette::ToolTipText, palette::text(0.9));
    colors.setColor(QPalette::Highlight, palette::accent().darker(140));
    colors.setColor(QPalette::HighlightedText, Qt::white);
    colors.setColor(QPalette::Link, palette::accent());
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        colors.setColor(QPalette::Disabled, role, palette::text(0.35));
    }
    return colors;
}

QString wizardStyleSheet() {
    // Sizes are in pixels: one desktop point of the design is one pixel here.
    QString sheet = QStringLiteral(R"(
QWidget#wizardRoot, QScrollArea, QScrollArea > QWidget > QWidget#wizardContent {
    background: @window;
}
QWidget { color: @text; font-size: 13px; }
QLabel { background: transparent; }
QToolTip { color: @text; background: #2b2d33; border: 1px solid @outline; }

QLabel[styleRole="appTitle"] { font-size: 34px; font-weight: 900; color: @textStrong; }
QLabel[styleRole="subtitle"] { font-size: 15px; color: @textSecondary; }
QLabel[styleRole="pill"] {
    font-size: 11px; font-weight: 800; color: @accent; background: @accentSoft;
    border-radius: 8px; padding: 3px 10px;
}
QLabel[styleRole="status"] { font-size: 12px; color: @textSecondary; }
QLabel[styleRole="title"] { font-size: 21px; font-weight: 800; color: @textStrong; }
QLabel[styleRole="headline"] { font-size: 14px; font-weight: 700; color: @textStrong; }
QLabel[styleRole="body"] { font-size: 13px; color: @textSecondary; }
QLabel[styleRole="caption"] { font-size: 11px; color: @textTertiary; }
QLabel[styleRole="fieldLabel"] { font-size: 11px; font-weight: 700; color: @textSecondary; }
QLabel[styleRole="mono"] { font-family: "DejaVu Sans Mono", monospace; font-size: 12px; color: @textSecondary; }
QLabel[styleRole="success"] { font-size: 12px; font-weight: 700; color: @success; }
QLabel[styleRole="danger"] { font-size: 12px; font-weight: 700; color: @danger; }
QLabel[styleRole="warning"] { font-size: 12px; font-weight: 700; color: @warning; }
QLabel[styleRole="accent"] { font-size: 12px; font-weight: 700; color: @accent; }
QLabel[styleRole="muted"] { font-size: 12px; font-weight: 700; color: @textTertiary; }
QLabel[styleRole="badge"] {
    font-size: 11px; font-weight: 800; color: @textSecondary; background: @fillStrong;
    border-radius: 8px; padding: 2px 9px;
}

QLabel[styleRole="badgeReady"] {
    font-size: 11px; font-weight: 800; color: @success; background: @successSoft;
    border-radius: 8px; padding: 2px 9px;
}

QFrame[styleRole="card"] { background: @cardFill; border: 1px solid @outlineSoft; border-radius: 16px; }
QFrame[styleRole="panel"] { background: @panelFill; border: 1px solid @outlineSoft; border-radius: 12px; }
QFrame[styleRole="notice"] { background: @warningSoft; border: 1px solid @warning; border-radius: 12px; }
QFrame[styleRole="log"] { background: @fieldFill; border: 1px solid @outline; border-radius: 7px; }

QPushButton {
    font-size: 13px; font-weight: 700; color: @textStrong; background: @fillStrong;
    border: 1px solid @outline; border-radius: 7px; padding: 10px 14px;
}
QPushButton:hover { background: @fillHover; }
QPushButton:pressed { background: @fillPressed; }
QPushButton:focus { border: 1px solid @accent; }
QPushButton:disabled { color: @textDisabled; background: @fillFaint; border: 1px solid @outlineSoft; }
QPushButton[styleRole="primary"] { color: #1d1405; background: @accent; border: 1px solid @accent; }
QPushButton[styleRole="primary"]:hover { background: @accentHover; }
QPushButton[styleRole="primary"]:focus { border: 1px solid @textStrong; }
QPushButton[styleRole="primary"]:disabled { color: @textDisabled; background: @accentSoft; border: 1px solid @accentSoft; }
QPushButton[styleRole="success"] { color: #07200f; background: @success; border: 1px solid @success; }
QPushButton[styleRole="success"]:focus { border: 1px solid @textStrong; }
QPushButton[styleRole="danger"] { color: #ffffff; background: @danger; border: 1px solid @danger; }
QPushButton[styleRole="danger"]:focus { border: 1px solid @textStrong; }
QPushButton[styleRole="compact"] { padding: 5px 6px; border-radius: 7px; }
QPushButton[styleRole="choice"] { font-weight: 600; }
QPushButton[styleRole="choice"]:checked { color: @textStrong; background: @accentSoft; border: 1px solid @accent; }
QPushButton[styleRole="link"] { text-align: left; font-weight: 600; }
QPushButton[styleRole="songBadge"] {
    min-width: 24px; max-width: 24px; min-height: 24px; max-height: 24px; padding: 0px;
    border-radius: 12px; font-size: 12px; font-weight: 800; color: #1d1405;
    background: @accent; border: 1px solid @accent;
}
QPushButton[styleRole="songBadge"]:focus { border: 2px solid @textStrong; }

QLineEdit, QPlainTextEdit {
    color: @textStrong; background: @fieldFill; border: 1px solid @outline; border-radius: 7px;
    padding: 6px 8px; selection-background-color: @accentSelection;
}
QLineEdit:focus, QPlainTextEdit:focus { border: 1px solid @accent; }

QProgressBar {
    background: @fillStrong; border: none; border-radius: 3px; max-height: 6px; min-height: 6px;
}
QProgressBar::chunk { background: @accent; border-radius: 3px; }
QProgressBar[styleRole="success"]::chunk { background: @success; }
QProgressBar[styleRole="danger"]::chunk { background: @danger; }
QProgressBar[styleRole="warning"]::chunk { background: @warning; }
QProgressBar[styleRole="muted"]::chunk { background: @textTertiary; }

QScrollArea { border: none; }
QScrollBar:vertical { background: transparent; width: 10px; margin: 2px; }
QScrollBar::handle:vertical { background: @fillHover; border-radius: 3px; min-height: 40px; }
QScrollBar::add-line, QScrollBar::sub-line { height: 0px; }
QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }
)");
    const QColor accent = palette::accent();
    // Longer names first, so no name is replaced inside another.
    const std::pair<const char*, QString> values[] = {
        {"@accentSelection", withAlpha(accent, 0.45)},
        {"@accentHover", rgba(accent.lighter(112))},
        {"@accentSoft", withAlpha(accent, 0.16)},
        {"@accent", rgba(accent)},
        {"@successSoft", withAlpha(palette::success(), 0.16)},
        {"@success", rgba(palette::success())},
        {"@danger", rgba(palette::danger())},
        {"@warningSoft", withAlpha(palette::warning(), 0.10)},
        {"@warning", rgba(palette::warning())},
        {"@window", rgba(palette::window())},
        {"@textStrong", rgba(palette::text(0.94))},
        {"@textSecondary", rgba(palette::text(0.70))},
        {"@textTertiary", rgba(palette::text(0.42))},
        {"@textDisabled", rgba(palette::text(0.30))},
        {"@text", rgba(palette::text(0.88))},
        {"@cardFill", rgba(palette::text(0.045))},
        {"@panelFill", rgba(palette::text(0.04))},
        {"@fillStrong", rgba(palette::text(0.10))},
        {"@fillHover", rgba(palette::text(0.16))},
        {"@fillPressed", rgba(palette::text(0.22))},
        {"@fillFaint", rgba(palette::text(0.04))},
        {"@fieldFill", "rgba(0, 0, 0, 56)"},  // black at 22 %
        {"@outlineSoft", rgba(palette::text(0.07))},
        {"@outline", rgba(palette::text(0.14))},
    };
    for (const auto& [name, value] : values) sheet.replace(QLatin1String(name), value);
    return sheet;
}

}  // namespace app::ui
