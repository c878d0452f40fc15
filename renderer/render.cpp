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

void requireSourceFile(const TrackJob& track) {
    std::error_code error;
    if (track.path.empty() || !std::filesystem::exists(track.path, error)) {
        throw RenderError("Source file missing: " + track.path);
    }
}

// Everything one song contributes to the edit. The decoded song itself never leaves
// renderSong, so it is released before the next one is read.
void renderSong(const TrackJob& track, int index, const WorkFolder& workFolder) {
    requireSourceFile(track);
    const WavAudio audio = loadSourceAudio(track.path, workFolder.path(), index);
    static_cast<void>(audio);
}

}  // namespace

void render(const RenderJob& job) {
    checkTrackCount(job);
    createOutputFolder(job.outputFolder);
    const WorkFolder workFolder;
    log("LOCAL_STEP analyze starting");
    const EndingPlan ending = resolveEndingPlan(job);
    static_cast<void>(ending);

    for (size_t i = 0; i < job.tracks.size(); ++i) {
        renderSong(job.tracks[i], static_cast<int>(i) + 1, workFolder);
    }
    throw RenderError("The edit pipeline is not built yet.");
}

}  // namespace renderer
