#pragma once
// Every use the wizard makes of the outside command-line agent.

#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

#include "app/tools/tool_probes.h"

namespace app::tools {

// The first executable of the fixed install places, else `command -v codex` in a login
// shell that may run for at most `timeout`.
std::optional<QString> codexExecutablePath(std::chrono::milliseconds timeout = defaultProbeTimeout);
// The sign-in probe's arguments: "login", "status".
QStringList codexLoginStatusArguments();
// The skill file the probe looks for: ~/.codex/skills/velvetcut/SKILL.md.
QString codexSkillPath(const QString& homeFolder);
// The edit run: exec --skip-git-repo-check --dangerously-bypass-approvals-and-sandbox
// -C <folder> [--output-last-message <file>] <prompt>.
QStringList codexEditArguments(const QString& workingDirectory,
                               const std::optional<QString>& lastMessageFile,
                               const QString& prompt);

}  // namespace app::tools
