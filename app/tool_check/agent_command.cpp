#include "app/tool_check/agent_command.h"

#include <QDir>

#include "app/tool_check/tool_probes.h"

namespace app::tools {

std::optional<QString> agentExecutablePath(std::chrono::milliseconds timeout) {
    for (const char* fixed : {"/Applications/Codex.app/Contents/Resources/codex",
                              "/opt/homebrew/bin/codex", "/usr/local/bin/codex"}) {
        const QString path = QString::fromLatin1(fixed);
        if (isExecutableFile(path)) return path;
    }
    // A login shell may answer with an alias or a function; only a real program counts.
    const CommandResult result = runCommandResult(
        QStringLiteral("/bin/bash"), {QStringLiteral("-lc"), QStringLiteral("command -v codex")},
        std::nullopt, timeout);
    const QString path = result.output.trimmed();
    if (result.succeeded && !path.isEmpty() && isExecutableFile(path)) return path;
    return std::nullopt;
}

QStringList agentLoginStatusArguments() {
    return {QStringLiteral("login"), QStringLiteral("status")};
}

QString agentSkillPath(const QString& homeFolder) {
    return QDir(homeFolder).filePath(QStringLiteral(".codex/skills/velvetcut/SKILL.md"));
}

QStringList agentEditArguments(const QString& workingDirectory,
                               const std::optional<QString>& lastMessageFile,
                               const QString& prompt) {
    QStringList arguments = {QStringLiteral("exec"), QStringLiteral("--skip-git-repo-check"),
                             QStringLiteral("--dangerously-bypass-approvals-and-sandbox"),
                             QStringLiteral("-C"), workingDirectory};
    if (lastMessageFile) arguments << QStringLiteral("--output-last-message") << *lastMessageFile;
    arguments << prompt;
    return arguments;
}

}  // namespace app::tools
