// Tool readiness: the Step 1 rows, what is missing and the status they set.

#include "app/tool_check/tool_readiness.h"

#include <QCoreApplication>
#include <QStringList>
#include <utility>

#include "app/tool_check/agent_command.h"

namespace app::tools {

bool ToolReadiness::toolsReady() const {
    const WizardState& state = context_.state();
    return !state.toolChecks.empty() && state.missingToolNames.isEmpty();
}

std::optional<QString> ToolReadiness::agentExecutablePath() const {
    return agentLocator_ ? agentLocator_() : tools::agentExecutablePath();
}

void ToolReadiness::setAgentLocatorForTesting(std::function<std::optional<QString>()> locator) {
    agentLocator_ = std::move(locator);
}

void ToolReadiness::setToolLookupsForTesting(ToolLookups lookups) {
    toolLookups_ = std::move(lookups);
}

ToolEnvironment ToolReadiness::toolEnvironment() const {
    const PlatformServices& services = context_.services();
    ToolEnvironment environment;
    environment.resourceFolder = services.resourceFolder();
    environment.homeFolder = services.homeFolder();
    environment.documentsFolder = services.documentsFolder();
    environment.selectedFolder = context_.state().selectedFolder;
    environment.agentLocator = agentLocator_;
    environment.lookups = toolLookups_;
    return environment;
}

void ToolReadiness::refreshToolChecksInBackground() {
    WizardState& state = context_.state();
    if (state.isCheckingTools) return;
    state.isCheckingTools = true;
    state.statusAtToolCheckStart = state.status;
    context_.notifyChanged();
    // The probes get a snapshot: background work never reads the state.
    context_.runInBackground([this, environment = toolEnvironment()] {
        std::vector<ToolCheck> checks = buildToolChecks(environment);
        context_.postToInterface([this, checks = std::move(checks)]() mutable {
            applyToolCheckResults(std::move(checks));
        });
    });
}

void ToolReadiness::applyToolCheckResults(std::vector<ToolCheck> checks) {
    WizardState& state = context_.state();
    const bool songFolderReady = context_.songFolderReady();
    applyRows(state, std::move(checks), songFolderReady);
    context_.notifyChanged();
}

void ToolReadiness::applyRows(WizardState& state, std::vector<ToolCheck> checks,
                              bool songFolderReady) {
    state.toolChecks = std::move(checks);
    state.missingToolNames.clear();
    for (const ToolCheck& check : state.toolChecks) {
        if (countsAsMissing(check)) {
            state.missingToolNames << check.name;
        }
    }
    state.isCheckingTools = false;
    const std::optional<QString> statusAtStart = std::exchange(state.statusAtToolCheckStart, {});

    // A check started by a song pick can end during the run that followed, or after the
    // person went on (Back, another pick): what they did since is what the line reports.
    if (state.isCreatingEdit || state.showCreateProgressScreen) return;
    if (statusAtStart && *statusAtStart != state.status) return;
    const bool nothingMissing = state.missingToolNames.isEmpty();
    if (!state.selectedFolder) {
        state.status =
            nothingMissing
                ? QCoreApplication::translate(
                      "ToolCheck",
                      "Step 1 is already complete. Choose 1, 2, or 3 songs to create an edit.")
                : QCoreApplication::translate(
                      "ToolCheck",
                      "Some local engine files may be missing. Reinstall Tunewright if "
                      "anything required is not ready.");
    } else if (nothingMissing && !songFolderReady) {
        state.status = QCoreApplication::translate(
            "ToolCheck",
            "Audio tools are ready. Choose 1, 2, or 3 songs, or choose a folder containing the "
            "songs.");
    } else if (nothingMissing && !state.outputFolder) {
        state.status = QCoreApplication::translate(
            "ToolCheck", "Step 2 complete. Add timing notes, then choose an output folder.");
    } else if (nothingMissing) {
        state.status = QCoreApplication::translate(
            "ToolCheck", "Step 2 complete. Add any timing or section instructions for the edit.");
    }
    // Something missing with a song folder selected: the status of the last song operation stays.
}

}  // namespace app::tools
