#pragma once
// The local engine run: writes the render job, runs seamforge on it in the background
// and judges the result by the exit status and a fresh finished MP3. When the engine
// cannot take or finish the edit, the run passes to the agent if one is given.

#include <QString>
#include <optional>

#include "app/prepare/render_job.h"
#include "app/run/run_context.h"

namespace app::run {

// Runs `job` for the current run, in `workingDirectory` (the song folder).
void startLocalEngineRun(RunContext& context, const prepare::RenderJob& job,
                         const QString& workingDirectory, const QString& outputFolder,
                         const std::optional<QString>& agentFallbackPath);

}  // namespace app::run
