// seamforge job.json: renders one job and reports on standard output only.
// Exit status 0 after success, 2 after a "LOCAL_RENDER_FAILED" line, also when stopped by
// SIGTERM, SIGINT or SIGHUP. `seamforge --version` and `seamforge --help` print and exit 0.

#include <csignal>
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"
#include "renderer/base/render_error.h"
#include "renderer/base/stop_request.h"
#include "renderer/base/version_report.h"
#include "renderer/job/render_job.h"
#include "renderer/pipeline/render.h"

namespace {

constexpr int kFailureStatus = 2;

// No line starts with a protocol word, so a parent that reads lines is never misled.
constexpr std::string_view kHelpText =
    "Usage: seamforge job.json\n"
    "Renders the edit described by one render job file. Progress and the outcome are written\n"
    "to standard output; the exit status is 0 on success and 2 on failure.\n"
    "MUSIC_EDIT_LAME names the LAME program to use.\n"
    "\n"
    "  seamforge --version  print the versions of seamforge, FFmpeg and LAME\n"
    "  seamforge --help     print this help\n";

void printLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

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
        // A job file of either name is still reachable as "./--help" or "./--version".
        const std::string_view firstArgument = argc == 2 ? argv[1] : "";
        if (firstArgument == "--help") {
            std::fputs(kHelpText.data(), stdout);
            std::fflush(stdout);
            return 0;
        }
        if (firstArgument == "--version") {
            printLines(renderer::versionReportLines(TUNEWRIGHT_VERSION));
            return 0;
        }
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
