// seamforge job.json: renders one job and reports on standard output only.
// Exit status 0 after success, 2 after a "LOCAL_RENDER_FAILED" line, also when stopped by
// SIGTERM, SIGINT or SIGHUP.

#include <csignal>
#include <exception>
#include <new>
#include <string>

#include "common/text.h"
#include "renderer/job/render_job.h"
#include "renderer/run/render.h"
#include "renderer/run/render_error.h"
#include "renderer/run/stop_request.h"

namespace {

constexpr int kFailureStatus = 2;

// A stopped render unwinds through whatever step it was in; that step's own error is not
// the reason the run ended.
int fail(std::string_view message) {
    if (renderer::stopRequested()) message = renderer::renderStoppedMessage;
    // The log keeps any line break left inside the message on the one line.
    renderer::writeFinalLine("LOCAL_RENDER_FAILED " + common::trim(message));
    return kFailureStatus;
}

}  // namespace

int main(int argc, char** argv) {
    // A parent that stops reading must not end us by a signal: the status still counts.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        renderer::startStopSignalHandling();
        if (argc != 2) throw renderer::RenderError("Usage: seamforge job.json");
        const renderer::RenderJob job = renderer::readRenderJobFile(argv[1]);
        renderer::render(job);
        return 0;
    } catch (const std::bad_alloc&) {
        return fail("Not enough memory to render this job.");
    } catch (const std::exception& error) {
        return fail(error.what());
    } catch (...) {
        return fail("The renderer stopped on an unexpected error.");
    }
}
