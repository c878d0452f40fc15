#pragma once
// Create Edit and Stop: checks the selection and the output folder, resets the progress
// model, writes the hand-off files and hands the edit to the local engine or the agent.
// Interface thread only.

#include <QString>

#include "app/run/run_context.h"
#include "app/songs/song_selection.h"
#include "app/tool_check/tool_readiness.h"

namespace app::run {

class EditRuns {
public:
    EditRuns(RunContext& context, songs::SongSelection& songs, tools::ToolReadiness& tools)
        : context_(context), songs_(songs), tools_(tools) {}

    // Starts a new run and shows the progress screen; the file work follows after a short
    // pause that lets the screen draw.
    void createEdit();
    // The part after the pause: the hand-off files, then the local engine, the agent, or
    // the failure that neither could take the edit.
    void continueCreateEdit(bool rescanFolderIfNeeded, const QString& outputFolder);
    // Brings the songs up to date and writes the hand-off folder; sets the status line
    // either way, notifies, and returns whether the files were written.
    bool exportHandoff(bool rescanFolderIfNeeded);
    // Stops the running edit: its child is ended and the rows show where it stopped.
    void stopCreateEdit();

private:
    RunContext& context_;
    songs::SongSelection& songs_;
    tools::ToolReadiness& tools_;
};

}  // namespace app::run
