#include "app/ui/screen_choice.h"

#include <QCoreApplication>

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
    const QString readySubtitle = QCoreApplication::translate(
        "Screens",
        "The music editing engine is ready. Choose songs, add notes, and create the finished "
        "edit here.");
    switch (screenFor(view)) {
        case WizardScreen::createEdit:
            if (view.state().completedOutputFolder) {
                return {QCoreApplication::translate(
                            "Screens",
                            "Complete. The finished edit is ready in the selected output "
                            "folder."),
                        QCoreApplication::translate("Screens", "Step 4 of 4: Complete")};
            }
            if (runEndedWithoutEdit(view)) {
                return {view.progress().liveEditMessage(),
                        view.progress().createHasFailed()
                            ? QCoreApplication::translate("Screens", "Step 4 of 4: Failed")
                            : QCoreApplication::translate("Screens", "Step 4 of 4: Stopped")};
            }
            return {QCoreApplication::translate(
                        "Screens",
                        "Creating the finished edit. Keep this app open while the "
                        "progress bars run."),
                    QCoreApplication::translate("Screens", "Step 4 of 4: Creating")};
        case WizardScreen::instructions:
            return {readySubtitle,
                    QCoreApplication::translate("Screens", "Step 3 of 4: Instructions")};
        case WizardScreen::songs:
            return {readySubtitle, QCoreApplication::translate("Screens", "Step 2 of 4: Songs")};
        case WizardScreen::tools:
            break;
    }
    return {QCoreApplication::translate(
                "Screens",
                "A step-by-step app: verify setup, choose songs, add timing notes, then "
                "create the finished edit."),
            QCoreApplication::translate("Screens", "Step 1 of 4: Tools")};
}

}  // namespace app::ui
