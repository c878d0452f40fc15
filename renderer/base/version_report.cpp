#include "renderer/base/version_report.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libswresample/swresample.h>
}

#include <exception>

#include "common/text.h"
#include "renderer/base/run_process.h"

namespace renderer {
namespace {

std::string libraryVersion(const char* name, unsigned version) {
    return std::string(name) + " " + std::to_string(AV_VERSION_MAJOR(version)) + "." +
           std::to_string(AV_VERSION_MINOR(version)) + "." +
           std::to_string(AV_VERSION_MICRO(version));
}

std::string firstLine(const std::string& text) {
    return common::trim(std::string_view(text).substr(0, text.find('\n')));
}

}  // namespace

std::string ffmpegVersionLine() {
    return "FFmpeg " + libraryVersion("libavformat", avformat_version()) + ", " +
           libraryVersion("libavcodec", avcodec_version()) + ", " +
           libraryVersion("libavutil", avutil_version()) + ", " +
           libraryVersion("libswresample", swresample_version());
}

std::string lameVersionLine() {
    const std::string lame = lameExecutablePath();
    if (!isExecutableFile(lame)) {
        return lame.empty() ? "LAME not found: MUSIC_EDIT_LAME is empty"
                            : "LAME not found at " + lame;
    }
    try {
        const std::string line = firstLine(runProcess(lame, {"--version"}));
        return line.empty() ? "LAME at " + lame + " printed no version" : line;
    } catch (const std::exception& error) {
        return "LAME at " + lame + " did not answer: " + firstLine(error.what());
    }
}

std::vector<std::string> versionReportLines(std::string_view programVersion) {
    return {"seamforge " + std::string(programVersion), ffmpegVersionLine(), lameVersionLine()};
}

}  // namespace renderer
