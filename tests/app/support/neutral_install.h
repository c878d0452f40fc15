#pragma once
// The install the README's pictures show on every machine: the app in /opt/tunewright/bin,
// the package manager, Git and FFmpeg in /usr/bin, none of the other optional tools. Only
// the renderer's version line comes from the build tree's renderer.

#include <QStringList>

#include "app/tool_check/tool_probes.h"

namespace testsupport {

inline const QString neutralAppFolder = QStringLiteral("/opt/tunewright");

app::tools::ToolLookups neutralInstall();

// The texts among `texts` that name this machine (its build folder or the user's home), each
// once, in their order.
QStringList machineSpecificTexts(const QStringList& texts);

}  // namespace testsupport
