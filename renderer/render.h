#pragma once
// The renderer's whole job after the job file has been read. Single-threaded;
// progress goes to standard output through log(); every failure throws
// (RenderError or a platform error) after the private work folder is removed.

#include "renderer/render_job.h"

namespace renderer {

void render(const RenderJob& job);

}  // namespace renderer
