#pragma once
// What the local engine run and the agent run share: posting results back to the
// interface thread for one numbered run, starting the child under Stop, and the
// stopped outcome.
//
// Each edit run has a number; a block posted for a run that has since been superseded
// (a new Create Edit, or the songs were cleared) is dropped, so a late handler can
// never overwrite a newer run.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "common/subprocess.h"

namespace app {
class ContentView;
}

namespace app::run {

class EditRunController;

// Call from any thread; `block` runs later on the interface thread, in posting order.
void postForRun(ContentView& view, int runNumber, std::function<void()> block);

// Starts the attached child of `runNumber` (background thread). A Stop that came after
// the caller's last check, while the child was starting, ends it at once. The reason
// when the child could not start.
std::optional<QString> startChild(EditRunController& controller,
                                  const std::shared_ptr<common::Subprocess>& process,
                                  int runNumber);

// The stopped outcome of a run (interface thread): steps, log and status.
void applyStoppedOutcome(ContentView& view);

// Marks the four steps after Prepare done, each with its finished detail (interface thread).
void markEditStepsDone(ContentView& view, const QString& analyze, const QString& cuts,
                       const QString& render, const QString& save);

// The sleep between two checks of a run's child, in seconds (background thread).
void sleepSeconds(double seconds);

}  // namespace app::run
