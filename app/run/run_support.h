#pragma once
// The outcomes the local engine run and the agent run share (interface thread).

#include <QString>

#include "app/run/run_context.h"

namespace app::run {

// The stopped outcome of a run (interface thread): steps, log and status.
void applyStoppedOutcome(RunContext& context);

// Marks the four steps after Prepare done, each with the finished detail of the local
// engine or the agent (interface thread).
void markEditStepsDone(RunContext& context, bool localEngine);

}  // namespace app::run
