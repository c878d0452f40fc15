#pragma once
// What `seamforge --version` prints: the program's version, the FFmpeg libraries it runs
// with and the LAME it would use, one line each. Never throws: a LAME that is missing or
// does not answer is reported on its own line.

#include <string>
#include <string_view>
#include <vector>

namespace renderer {

// "FFmpeg libavformat X.Y.Z, libavcodec X.Y.Z, libavutil X.Y.Z, libswresample X.Y.Z", read
// from the libraries loaded at run time.
std::string ffmpegVersionLine();

// The first line of `lame --version` for lameExecutablePath(), or why there is none.
std::string lameVersionLine();

// "seamforge <programVersion>", ffmpegVersionLine(), lameVersionLine().
std::vector<std::string> versionReportLines(std::string_view programVersion);

}  // namespace renderer
