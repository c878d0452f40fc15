#pragma once
// "run-audio-diagnostics.sh": a bash script that reports which tools, agent,
// skill and Python packages are present and what the song files hold. Every
// check prints one OK or MISSING line and the script always runs to its end.

#include <QString>

namespace app::prepare {

// The script for one song folder. The folder's path is quoted so that bash reads
// any name (quotes, backslashes, "$(...)", backquotes) as plain text.
QString diagnosticsScript(const QString& songFolder);

// `text` as the inside of a bash double-quoted string: "\", """, "$" and "`" escaped.
QString bashDoubleQuotedContent(const QString& text);

}  // namespace app::prepare
