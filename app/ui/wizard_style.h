#pragma once
// The wizard's one visual style: its colours and the style sheet every widget
// takes its look from. Widgets choose a look by a style role (a dynamic
// property) instead of carrying their own style text. Interface thread only.

#include <QColor>
#include <QPalette>
#include <QString>

class QWidget;

namespace app::ui {

namespace palette {
QColor accent();   // step badges, song number badges, rule icons, the primary button
QColor success();  // ready tools, a finished edit
QColor danger();   // missing tools, a failed edit
QColor warning();  // a stopped edit, setup notices
QColor window();   // the dark background
QColor text(double opacity = 0.9);  // white at the given opacity
}  // namespace palette

// Style roles. Buttons: "primary", "danger", "success", "compact", "choice" (a
// checkable option), "link", "songBadge" and the plain default. Labels:
// "appTitle", "subtitle", "status", "title", "headline", "body", "caption",
// "fieldLabel", "pill", "badge", "badgeReady", "mono", "success", "danger",
// "warning", "accent", "muted". Frames: "card", "panel", "notice", "log".
inline constexpr const char* kStyleRoleProperty = "styleRole";

// Sets the role and re-applies the style sheet so a change shows at once.
void setStyleRole(QWidget* widget, const QString& role);

// The whole style sheet of the window's content.
QString wizardStyleSheet();

// A dark palette for the application, so the pickers and menus Qt draws match the
// window (the style sheet covers only the window's own content).
QPalette wizardPalette();

}  // namespace app::ui
