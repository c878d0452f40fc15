#pragma once
// Songs with tags made by the ffmpeg command line, and two independent ways to read an
// MP3's tags back: TagLib's ID3v2 frames and ffprobe's JSON.

#include <gtest/gtest.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "common/subprocess.h"
#include "tests/support/generated_audio.h"
#include "tests/support/test_files.h"

namespace taggedsongs {

namespace fs = std::filesystem;

// A small PNG: its bytes must reach the edit unchanged.
inline void writeCover(const fs::path& path, const std::string& color = "red",
                       const std::string& size = "64x64") {
    ASSERT_EQ(testsupport::runProgram(testsupport::findProgram("ffmpeg"),
                                      {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                       "color=c=" + color + ":s=" + size + ",noise=alls=100:allf=u",
                                       "-frames:v", "1", path.string()}),
              "")
        << testsupport::requiredProgramMessage("ffmpeg");
}

// ffmpeg options that set a song's title, artist and album; empty values are left out.
inline std::vector<std::string> metadataArguments(const std::string& title,
                                                  const std::string& artist,
                                                  const std::string& album) {
    std::vector<std::string> arguments;
    for (const auto& [key, value] :
         {std::pair{"title", title}, std::pair{"artist", artist}, std::pair{"album", album}}) {
        if (!value.empty()) arguments.insert(arguments.end(), {"-metadata", key + ("=" + value)});
    }
    return arguments;
}

// ffmpeg options that attach `cover` as the front picture, bytes copied as they are.
inline std::vector<std::string> coverArguments(const fs::path& cover) {
    return {"-i",   cover.string(), "-map",           "0",           "-map", "1",
            "-c:v", "copy",         "-disposition:v", "attached_pic"};
}

inline std::vector<std::string> concat(std::vector<std::string> first,
                                       const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Runs ffprobe on `path` and returns its JSON: format tags, streams and chapters.
inline nlohmann::json probe(const fs::path& path) {
    const common::CapturedRun run =
        testsupport::captureProgram(testsupport::findProgram("ffprobe"),
                                    {"-v", "error", "-of", "json", "-show_format", "-show_streams",
                                     "-show_chapters", path.string()},
                                    16 << 20);
    if (!run.status.succeeded()) {
        ADD_FAILURE() << testsupport::requiredProgramMessage("ffprobe") << run.output;
        return nlohmann::json::object();
    }
    return nlohmann::json::parse(run.output);
}

// A chapter as ffprobe reports it.
struct ProbedChapter {
    long long startMs = 0;
    long long endMs = 0;
    std::string title;
    bool operator==(const ProbedChapter&) const = default;
};

inline std::ostream& operator<<(std::ostream& stream, const ProbedChapter& chapter) {
    return stream << "[" << chapter.startMs << ", " << chapter.endMs << ") " << chapter.title;
}

inline std::vector<ProbedChapter> probedChapters(const nlohmann::json& probed) {
    std::vector<ProbedChapter> chapters;
    for (const nlohmann::json& chapter : probed.value("chapters", nlohmann::json::array())) {
        EXPECT_EQ(chapter.value("time_base", ""), "1/1000");
        chapters.push_back({chapter.value("start", -1LL), chapter.value("end", -1LL),
                            chapter["tags"].value("title", "")});
    }
    return chapters;
}

// The text of an ID3v2 text frame, or "(absent)".
inline std::string frameText(TagLib::ID3v2::Tag& tag, const char* id) {
    const TagLib::ID3v2::FrameList& frames = tag.frameListMap()[id];
    return frames.isEmpty() ? "(absent)" : frames.front()->toString().to8Bit(true);
}

}  // namespace taggedsongs
