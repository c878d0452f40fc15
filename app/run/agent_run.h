#pragma once
// The agent run: hands the whole edit to the outside agent and judges it by the files
// it leaves.

#include <QString>

#include "app/run/run_context.h"

namespace app::run {

// Runs the agent at `agentPath` with `prompt` for the current run, in
// `workingDirectory` (the song folder).
void startAgentRun(RunContext& context, const QString& agentPath, const QString& prompt,
                   const QString& workingDirectory, const QString& outputFolder);

}  // namespace app::run
