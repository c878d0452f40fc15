// ContentView's tool readiness: the Step 1 rows, what is missing and the status they set.

#include <QStringList>

#include "app/tools/tool_probes.h"
#include "app/wizard/content_view.h"

namespace app {

bool ContentView::toolsReady() const {
    return !state_.toolChecks.empty() && state_.missingToolNames.isEmpty();
}

std::optional<QString> ContentView::bundledToolPath(const QString& name) const {
    return tools::bundledToolPath(services_.resourceFolder(), name);
}

std::optional<QString> ContentView::lameProgramPath() const {
    return tools::lameProgramPath(services_.resourceFolder());
}

tools::ToolEnvironment ContentView::toolEnvironment() const {
    tools::ToolEnvironment environment;
    environment.resourceFolder = services_.resourceFolder();
    environment.homeFolder = services_.homeFolder();
    environment.documentsFolder = services_.documentsFolder();
    environment.selectedFolder = state_.selectedFolder;
    environment.codexLocator = codexLocator_;
    return environment;
}

void ContentView::applyToolCheckResults(std::vector<tools::ToolCheck> checks) {
    state_.toolChecks = std::move(checks);
    state_.missingToolNames.clear();
    for (const tools::ToolCheck& check : state_.toolChecks) {
        if (tools::countsAsMissing(check)) {
            state_.missingToolNames << check.name;
        }
    }
    state_.isCheckingTools = false;

    // A check started by a song pick can end during the run that followed: the run's
    // progress or outcome is what the status line reports then.
    if (state_.isCreatingEdit || state_.showCreateProgressScreen) {
        notifyChanged();
        return;
    }
    const bool nothingMissing = state_.missingToolNames.isEmpty();
    if (!state_.selectedFolder) {
        state_.status =
            nothingMissing
                ? QStringLiteral(
                      "Step 1 is already complete. Choose 1, 2, or 3 songs to create an edit.")
                : QStringLiteral(
                      "Some local engine files may be missing. Reinstall Tunewright if "
                      "anything required is not ready.");
    } else if (nothingMissing && !songFolderReady()) {
        state_.status = QStringLiteral(
            "Audio tools are ready. Choose 1, 2, or 3 songs, or choose a folder containing the "
            "songs.");
    } else if (nothingMissing && !state_.outputFolder) {
        state_.status =
            QStringLiteral("Step 2 complete. Add timing notes, then choose an output folder.");
    } else if (nothingMissing) {
        state_.status =
            QStringLiteral("Step 2 complete. Add any timing or section instructions for the edit.");
    }
    // Something missing with a song folder selected: the status of the last song operation stays.
    notifyChanged();
}

void ContentView::refreshToolChecksInBackground() {
    if (state_.isCheckingTools) return;
    state_.isCheckingTools = true;
    notifyChanged();
    // The probes get a snapshot: background work never reads the state.
    runInBackground([this, environment = toolEnvironment()] {
        std::vector<tools::ToolCheck> checks = tools::buildToolChecks(environment);
        postToInterface([this, checks = std::move(checks)]() mutable {
            applyToolCheckResults(std::move(checks));
        });
    });
}

}  // namespace app
