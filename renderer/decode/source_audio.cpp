#include "renderer/decode/source_audio.h"

#include <string>
#include <vector>

#include "audio/audio_error.h"
#include "audio/file_bytes.h"
#include "audio/lame_decoder.h"
#include "audio/platform_audio_reader.h"
#include "audio/wav_file.h"
#include "common/text.h"
#include "renderer/run/render_error.h"
#include "renderer/run/run_process.h"
#include "renderer/run/stop_request.h"

namespace renderer {
namespace {

std::string lowerCasedExtension(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    return common::asciiLower(extension.empty() ? extension : extension.substr(1));
}

audio::WavAudio loadMP3(const std::filesystem::path& source,
                        const std::filesystem::path& decodedWav) {
    const std::string lame = lameExecutablePath();
    if (!isExecutableFile(lame)) throw RenderError("Bundled LAME decoder was not found.");
    return audio::loadMP3WithLame(
        lame, source, decodedWav,
        [](const std::string& program, const std::vector<std::string>& arguments) {
            runProcess(program, arguments);
        });
}

}  // namespace

audio::WavAudio loadSourceAudio(const std::filesystem::path& source,
                                const std::filesystem::path& workFolder, int trackIndex) {
    // Folders, pipes and devices are refused before any reader could block on them.
    audio::requireRegularFile(source);
    const std::string extension = lowerCasedExtension(source);
    if (extension == "mp3") {
        try {
            return loadMP3(
                source, workFolder / ("track-" + std::to_string(trackIndex) + "-lame-decoded.wav"));
        } catch (const audio::TruncatedWavError&) {
            throw RenderError("Song " + std::to_string(trackIndex) +
                              " was decoded only in part: the work folder ran out of space.");
        }
    }
    if (extension == "wav") return audio::loadWav(source);
    return audio::loadAudio(source, throwIfStopRequested);
}

}  // namespace renderer
