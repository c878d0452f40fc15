#include "renderer/render.h"

#include <filesystem>
#include <system_error>

#include "renderer/log.h"
#include "renderer/render_error.h"
#include "renderer/source_audio.h"
#include "renderer/work_folder.h"

namespace renderer {
namespace {

constexpr size_t kMaxTracks = 3;

void checkTrackCount(const RenderJob& job) {
    if (job.tracks.empty() || job.tracks.size() > kMaxTracks) {
        throw RenderError("Local renderer supports 1 to 3 songs.");
    }
}

void createOutputFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error) throw std::system_error(error, "Could not create the output folder " + path);
}

// Only a path with nothing behind it is missing; a file that exists but cannot be
// read is reported by the decoder with its own reason.
void requireSourceFile(const TrackJob& track) {
    std::error_code error;
    const bool exists = !track.path.empty() && std::filesystem::exists(track.path, error);
    const bool nothingThere = !error || error == std::errc::no_such_file_or_directory ||
                              error == std::errc::not_a_directory;
    if (!exists && nothingThere) throw RenderError("Source file missing: " + track.path);
}

// Everything one song contributes to the edit. The decoded song itself never leaves
// renderSong, so it is released before the next one is read.
void renderSong(const TrackJob& track, int index, const WorkFolder& workFolder) {
    requireSourceFile(track);
    [[maybe_unused]] const WavAudio audio = loadSourceAudio(track.path, workFolder.path(), index);
}

}  // namespace

void render(const RenderJob& job) {
    checkTrackCount(job);
    createOutputFolder(job.outputFolder);
    const WorkFolder workFolder;
    log("LOCAL_STEP analyze starting");
    [[maybe_unused]] const EndingPlan ending = resolveEndingPlan(job);

    for (size_t i = 0; i < job.tracks.size(); ++i) {
        renderSong(job.tracks[i], static_cast<int>(i) + 1, workFolder);
    }
    throw RenderError("The edit pipeline is not built yet.");
}

}  // namespace renderer
