#include "audio/lame_decoder.h"

#include "audio/wav_file.h"

namespace audio {

void decodeMP3WithLame(const std::string& lame, const std::filesystem::path& source,
                       const std::filesystem::path& decodedWav, const RunProgram& run) {
    // Absolute paths, so that a file name starting with "-" is never read as an option.
    run(lame, {"--decode", "--quiet", std::filesystem::absolute(source).string(),
               std::filesystem::absolute(decodedWav).string()});
}

WavAudio loadMP3WithLame(const std::string& lame, const std::filesystem::path& source,
                         const std::filesystem::path& decodedWav, const RunProgram& run) {
    decodeMP3WithLame(lame, source, decodedWav, run);
    // LAME exits 0 even when the disk filled up under it, leaving the full song's header.
    return loadCompleteWav(decodedWav);
}

}  // namespace audio
