#pragma once
// The small process and path helpers of the tool check, and the check itself.
// Everything here may block on child processes: call it off the interface thread.

#include <QSet>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "app/state/tool_check.h"

namespace app::tools {

// How long one probe may run. A probe that runs out is killed with everything it
// started and counts as not succeeded.
inline constexpr std::chrono::milliseconds defaultProbeTimeout{10'000};

// Where the check finds tools and how it runs its probes. An empty member looks at this
// machine; the screenshot maker fills them to draw the same neutral install everywhere.
struct ToolLookups {
    std::function<std::optional<QString>(const QString& name)> bundledTool;
    std::function<std::optional<QString>(const QString& name)> commandLineTool;
    std::function<CommandResult(const QString& executable, const QStringList& arguments)> probe;
};

// What the probes need to know, captured on the interface thread before they run.
struct ToolEnvironment {
    QString resourceFolder;
    QString homeFolder;
    QString documentsFolder;
    std::optional<QString> selectedFolder;
    // Finds the agent; when empty, agentExecutablePath() is used.
    std::function<std::optional<QString>()> agentLocator;
    std::chrono::milliseconds probeTimeout = defaultProbeTimeout;
    ToolLookups lookups;
};

// A regular file (after following links) that this process may execute.
bool isExecutableFile(const QString& path);

// Runs the executable directly with one pipe for output and error and waits for it,
// at most `timeout`. A child that cannot start or runs out of time gives empty output
// and succeeded = false; one that runs out is killed with its whole process group.
CommandResult runCommandResult(const QString& executable, const QStringList& arguments,
                               const std::optional<QString>& workingDirectory = std::nullopt,
                               std::chrono::milliseconds timeout = defaultProbeTimeout);

// "StandaloneEngine/bin/", "Tools/bin/", "bin/" + name inside the resource folder.
std::optional<QString> bundledToolPath(const QString& resourceFolder, const QString& name);
// `command -v name` in a login shell that loads the Homebrew environment when present
// (/opt/homebrew, /usr/local or /home/linuxbrew/.linuxbrew).
std::optional<QString> commandLineToolPath(const QString& name,
                                           std::chrono::milliseconds timeout = defaultProbeTimeout);
// The LAME the whole wizard uses: the bundle's, else the one on the command line. The
// Step 1 row, the song-pick gate and the engine's MUSIC_EDIT_LAME all ask this.
std::optional<QString> lameProgramPath(const QString& resourceFolder,
                                       std::chrono::milliseconds timeout = defaultProbeTimeout);
std::optional<QString> pythonAudioEnvironmentPythonPath(const ToolEnvironment& environment);
std::optional<QString> musicAIEnvironmentPythonPath(const ToolEnvironment& environment);

// The 15 names that never count as missing.
const QSet<QString>& optionalFallbackToolNames();

// A row that holds Step 1: not ready, not optional, and not the audio decoding row (a
// bundle without the renderer already shows that on the renderer row).
bool countsAsMissing(const ToolCheck& check);

// apt-get, dnf, pacman and zypper: the package managers looked for, in this order.
const QStringList& packageManagers();
// The "Package manager" row: the path of the first of `managers` on the command line.
ToolCheck packageManagerCheck(const QStringList& managers,
                              std::chrono::milliseconds timeout = defaultProbeTimeout);
ToolCheck packageManagerCheck(const QStringList& managers, const ToolEnvironment& environment);

// The 17 rows in catalogue order.
std::vector<ToolCheck> buildToolChecks(const ToolEnvironment& environment);

// The "Codex login" row for the agent at `agentPath` (runs its sign-in probe).
ToolCheck agentLoginCheck(const std::optional<QString>& agentPath,
                          std::chrono::milliseconds timeout = defaultProbeTimeout);
ToolCheck agentLoginCheck(const std::optional<QString>& agentPath,
                          const ToolEnvironment& environment);

// True when the rows of a finished check show the agent found but its sign-in probe
// failed; false without rows (no check has finished yet).
bool agentKnownNotSignedIn(const std::vector<ToolCheck>& checks);

}  // namespace app::tools
