#pragma once
// Tool readiness: the Step 1 rows, what is missing and the status they set, and the
// background check that fills them. Interface thread only; the probes run on a
// background worker with a snapshot and post their rows back.

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "app/state/platform_services.h"
#include "app/state/tool_check.h"
#include "app/state/wizard_state.h"
#include "app/tool_check/tool_probes.h"

namespace app::tools {

// What the tool check works with, provided by the wizard.
class ToolContext {
public:
    virtual WizardState& state() = 0;
    virtual PlatformServices& services() const = 0;
    virtual void notifyChanged() = 0;
    // Runs `work` on a background worker; queues `block` onto the interface thread.
    virtual void runInBackground(std::function<void()> work) = 0;
    virtual void postToInterface(std::function<void()> block) = 0;
    // Whether the songs of Step 2 are chosen: decides the status after a clean check.
    virtual bool songFolderReady() const = 0;

protected:
    ~ToolContext() = default;
};

class ToolReadiness {
public:
    explicit ToolReadiness(ToolContext& context) : context_(context) {}

    bool toolsReady() const;
    // Where the agent is (agentExecutablePath unless a test replaced it).
    std::optional<QString> agentExecutablePath() const;
    void setAgentLocatorForTesting(std::function<std::optional<QString>()> locator);
    // Where the tool check looks (this machine unless replaced).
    void setToolLookupsForTesting(ToolLookups lookups);

    // Starts a check in the background unless one is running.
    void refreshToolChecksInBackground();
    // Takes the rows of a finished check. A status line written after the check started
    // stays.
    void applyToolCheckResults(std::vector<ToolCheck> checks);

private:
    // A snapshot of what the background probes need to know.
    ToolEnvironment toolEnvironment() const;
    // `songFolderReady` tells which Step 2 status follows when nothing is missing.
    static void applyRows(WizardState& state, std::vector<ToolCheck> checks, bool songFolderReady);

    ToolContext& context_;
    std::function<std::optional<QString>()> agentLocator_;
    ToolLookups toolLookups_;
};

}  // namespace app::tools
