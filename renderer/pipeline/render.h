#pragma once
// The renderer's whole job after the job file has been read: decode and cut every song,
// join, even out the levels, apply the ending, lower the peak, check the joins, then write
// the MP3 and its companion files into the job's output folder. Runs on the calling thread;
// progress goes to standard output through log(), ending with "LOCAL_RENDER_OK <MP3 path>".
// Every failure throws (RenderError or a platform error) after the private work folder is
// removed; a requested stop throws RenderError(renderStoppedMessage) at the next check.

#include "renderer/job/render_job.h"

namespace renderer {

void render(const RenderJob& job);

}  // namespace renderer
