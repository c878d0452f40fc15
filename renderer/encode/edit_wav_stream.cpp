#include "renderer/encode/edit_wav_stream.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "audio/wav_file.h"
#include "renderer/base/stop_request.h"

namespace renderer {

void writeEditWav(const EditAudio& edit, long long firstFrame, long long frameCount,
                  const ChildInputSink& sink) {
    const auto first = static_cast<size_t>(firstFrame) * targetChannels;
    const auto count = static_cast<size_t>(frameCount) * targetChannels;
    const audio::ByteBuffer header = audio::wavHeader(targetSampleRate, targetChannels, count);
    if (!sink({reinterpret_cast<const char*>(header.data()), header.size()})) return;
    constexpr size_t kBlockSamples = 65536;
    std::vector<int16_t> block(kBlockSamples);
    for (size_t done = 0; done < count; done += kBlockSamples) {
        throwIfStopRequested();
        const size_t size = std::min(kBlockSamples, count - done);
        const SampleSpan samples = SampleSpan(block).first(size);
        edit.copySamples(first + done, samples);
        if constexpr (std::endian::native == std::endian::big) {
            for (int16_t& sample : samples) {
                const auto bits = static_cast<uint16_t>(sample);
                sample = static_cast<int16_t>(static_cast<uint16_t>((bits << 8) | (bits >> 8)));
            }
        }
        if (!sink({reinterpret_cast<const char*>(samples.data()), size * 2})) return;
    }
}

}  // namespace renderer
