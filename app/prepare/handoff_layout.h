#pragma once
// Names inside the hand-off folder that is written beside the songs.

#include <QString>

namespace app::prepare {

inline const QString handoffFolderName = QStringLiteral("Tunewright Setup");
inline const QString promptFileName = QStringLiteral("velvetcut-prompt.md");
inline const QString diagnosticsScriptFileName = QStringLiteral("run-audio-diagnostics.sh");
inline const QString skillFolderName = QStringLiteral("velvetcut-skill");
inline const QString skillFileName = QStringLiteral("SKILL.md");
inline const QString readmeFileName = QStringLiteral("README-FIRST.md");

// Written by the runs, not by the export.
inline const QString renderJobFileName = QStringLiteral("fast-time-render-job.json");
inline const QString renderLogFileName = QStringLiteral("fast-time-render-log.txt");
inline const QString agentLastMessageFileName = QStringLiteral("codex-last-message.txt");
inline const QString backgroundAgentLogFileName = QStringLiteral("background-codex-log.txt");

}  // namespace app::prepare
