#include "renderer/source_audio.h"

#include <string>

#include "common/text.h"
#include "renderer/file_bytes.h"
#include "renderer/platform_audio_reader.h"
#include "renderer/render_error.h"
#include "renderer/run_process.h"
#include "renderer/wav_file.h"

namespace renderer {
namespace {

std::string lowerCasedExtension(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    return common::asciiLower(extension.empty() ? extension : extension.substr(1));
}

}  // namespace

WavAudio loadSourceAudio(const std::filesystem::path& source,
                         const std::filesystem::path& workFolder, int trackIndex) {
    // Folders, pipes and devices are refused before any reader could block on them.
    requireRegularFile(source);
    const std::string extension = lowerCasedExtension(source);
    if (extension == "mp3") {
        const std::filesystem::path decoded =
            workFolder / ("track-" + std::to_string(trackIndex) + "-lame-decoded.wav");
        decodeMP3WithLame(source, decoded);
        return loadWav(decoded);
    }
    if (extension == "wav") return loadWav(source);
    return loadAudio(source);
}

void decodeMP3WithLame(const std::filesystem::path& source,
                       const std::filesystem::path& destination) {
    const std::string lame = lameExecutablePath();
    if (!isExecutableFile(lame)) throw RenderError("Bundled LAME decoder was not found.");
    // Absolute paths, so that a file name starting with "-" is never read as an option.
    runProcess(lame, {"--decode", "--quiet", std::filesystem::absolute(source).string(),
                      std::filesystem::absolute(destination).string()});
}

}  // namespace renderer
