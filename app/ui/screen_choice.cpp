#include "app/ui/screen_choice.h"

#include "app/ui/screen_texts.h"
#include "app/wizard/wizard.h"

namespace app::ui {

WizardScreen screenFor(const Wizard& view) {
    if (view.state().showCreateProgressScreen) return WizardScreen::createEdit;
    if (view.tools().toolsReady() && app::songs::songFolderReady(view.state()))
        return WizardScreen::instructions;
    if (view.tools().toolsReady()) return WizardScreen::songs;
    return WizardScreen::tools;
}

HeaderTexts headerFor(const Wizard& view) {
    static const QString readySubtitle = QStringLiteral(
        "The music editing engine is ready. Choose songs, add notes, and create the finished "
        "edit here.");
    switch (screenFor(view)) {
        case WizardScreen::createEdit:
            if (view.state().completedOutputFolder) {
                return {
                    QStringLiteral("Complete. The finished edit is ready in the selected output "
                                   "folder."),
                    QStringLiteral("Step 4 of 4: Complete")};
            }
            if (runEndedWithoutEdit(view)) {
                return {view.progress().liveEditMessage(),
                        view.progress().createHasFailed() ? QStringLiteral("Step 4 of 4: Failed")
                                                          : QStringLiteral("Step 4 of 4: Stopped")};
            }
            return {QStringLiteral("Creating the finished edit. Keep this app open while the "
                                   "progress bars run."),
                    QStringLiteral("Step 4 of 4: Creating")};
        case WizardScreen::instructions:
            return {readySubtitle, QStringLiteral("Step 3 of 4: Instructions")};
        case WizardScreen::songs:
            return {readySubtitle, QStringLiteral("Step 2 of 4: Songs")};
        case WizardScreen::tools:
            break;
    }
    return {QStringLiteral("A step-by-step app: verify setup, choose songs, add timing notes, then "
                           "create the finished edit."),
            QStringLiteral("Step 1 of 4: Tools")};
}

}  // namespace app::ui
