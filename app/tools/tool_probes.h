#pragma once
// The small process and path helpers of the tool check, and the check itself.
// Everything here may block on child processes: call it off the interface thread.

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "app/tools/tool_check.h"

namespace app::tools {

// What the probes need to know, captured on the interface thread before they run.
struct ToolEnvironment {
    QString resourceFolder;
    QString homeFolder;
    QString documentsFolder;
    std::optional<QString> selectedFolder;
    // Finds the agent; when empty, codexExecutablePath() is used.
    std::function<std::optional<QString>()> codexLocator;
};

// A regular file (after following links) that this process may execute.
bool isExecutableFile(const QString& path);

// Runs the executable directly with one pipe for output and error and waits for it.
// A child that cannot start gives empty output and succeeded = false.
CommandResult runCommandResult(const QString& executable, const QStringList& arguments,
                               const std::optional<QString>& workingDirectory = std::nullopt);

// "StandaloneEngine/bin/", "Tools/bin/", "bin/" + name inside the resource folder.
std::optional<QString> bundledToolPath(const QString& resourceFolder, const QString& name);
// `command -v name` in a login shell that loads the Homebrew environment when present
// (/opt/homebrew, /usr/local or /home/linuxbrew/.linuxbrew).
std::optional<QString> commandLineToolPath(const QString& name);
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
ToolCheck packageManagerCheck(const QStringList& managers);

// The 17 rows in catalogue order.
std::vector<ToolCheck> buildToolChecks(const ToolEnvironment& environment);

// The "Codex login" row for the agent at `codexPath` (runs its sign-in probe).
ToolCheck codexLoginCheck(const std::optional<QString>& codexPath);

}  // namespace app::tools
