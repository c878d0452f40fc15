#pragma once
// The outcomes the local engine run and the agent run share (interface thread).

#include <QString>

namespace app {
class ContentView;
}

namespace app::run {

// The stopped outcome of a run (interface thread): steps, log and status.
void applyStoppedOutcome(ContentView& view);

// Marks the four steps after Prepare done, each with its finished detail (interface thread).
void markEditStepsDone(ContentView& view, const QString& analyze, const QString& cuts,
                       const QString& render, const QString& save);

}  // namespace app::run
