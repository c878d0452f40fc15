#pragma once
// Create Edit: checks the selection and the output folder, resets the progress model,
// writes the hand-off files and hands the edit to the local engine or the agent.

#include <QString>

#include "app/run/run_context.h"

namespace app::run {

// Starts a new run and shows the progress screen; the file work follows after a short
// pause that lets the screen draw.
void createEdit(RunContext& context);
// The part after the pause: the hand-off files, then the local engine, the agent, or
// the failure that neither could take the edit.
void continueCreateEdit(RunContext& context, bool rescanFolderIfNeeded,
                        const QString& outputFolder);

}  // namespace app::run
