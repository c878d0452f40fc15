#include "renderer/decode/source_audio.h"

#include <string>
#include <vector>

#include "audio/audio_error.h"
#include "audio/file_bytes.h"
#include "audio/lame_decoder.h"
#include "audio/platform_audio_reader.h"
#include "audio/wav_file.h"
#include "common/text.h"
#include "renderer/base/render_error.h"
#include "renderer/base/run_process.h"
#include "renderer/base/stop_request.h"

namespace renderer {
namespace {

std::string lowerCasedExtension(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    return common::asciiLower(extension.empty() ? extension : extension.substr(1));
}

}  // namespace

SourceOnDisk decodeSourceToDisk(const std::filesystem::path& source,
                                const std::filesystem::path& workFolder, int trackIndex) {
    // Folders, pipes and devices are refused before any reader could block on them.
    audio::requireRegularFile(source);
    SourceOnDisk song{source, lowerCasedExtension(source), trackIndex};
    if (song.route != "mp3") return song;
    const std::string lame = lameExecutablePath();
    if (!isExecutableFile(lame)) throw RenderError("Bundled LAME decoder was not found.");
    song.file = workFolder / ("track-" + std::to_string(trackIndex) + "-lame-decoded.wav");
    audio::decodeMP3WithLame(
        lame, source, song.file,
        [](const std::string& program, const std::vector<std::string>& arguments) {
            runProcess(program, arguments);
        });
    return song;
}

audio::WavAudio readSourceIntoMemory(const SourceOnDisk& song) {
    if (song.route == "mp3") {
        try {
            // LAME exits 0 even when the disk filled up under it, leaving the full song's header.
            return audio::loadCompleteWav(song.file);
        } catch (const audio::TruncatedWavError&) {
            throw RenderError("Song " + std::to_string(song.trackIndex) +
                              " was decoded only in part: the work folder ran out of space.");
        }
    }
    if (song.route == "wav") return audio::loadWav(song.file);
    return audio::loadAudio(song.file, throwIfStopRequested);
}

audio::WavAudio loadSourceAudio(const std::filesystem::path& source,
                                const std::filesystem::path& workFolder, int trackIndex) {
    return readSourceIntoMemory(decodeSourceToDisk(source, workFolder, trackIndex));
}

}  // namespace renderer
