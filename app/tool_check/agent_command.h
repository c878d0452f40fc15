#pragma once
// Every use the wizard makes of the outside command-line agent.

#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

#include "app/tool_check/tool_probes.h"

namespace app::tools {

// The first executable of the fixed install places, else `command -v codex` in a login
// shell that may run for at most `timeout`.
std::optional<QString> agentExecutablePath(std::chrono::milliseconds timeout = defaultProbeTimeout);
// The sign-in probe's arguments: "login", "status".
QStringList agentLoginStatusArguments();
// The skill file the probe looks for: ~/.codex/skills/velvetcut/SKILL.md.
QString agentSkillPath(const QString& homeFolder);
// The edit run: exec --skip-git-repo-check --dangerously-bypass-approvals-and-sandbox
// -C <folder> [--output-last-message <file>] <prompt>.
QStringList agentEditArguments(const QString& workingDirectory,
                               const std::optional<QString>& lastMessageFile,
                               const QString& prompt);

}  // namespace app::tools
