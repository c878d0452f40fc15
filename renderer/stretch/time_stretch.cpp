#include "renderer/stretch/time_stretch.h"

#include <rubberband/RubberBandStretcher.h>

#include <algorithm>
#include <array>

#include "renderer/base/constants.h"

namespace renderer {
namespace {

using RubberBand::RubberBandStretcher;

constexpr size_t kBlockFrames = 4096;

// Offline, so the library studies the whole input first and aligns the output with it; the
// channels together keep the stereo image; the finer engine keeps transients sharp.
constexpr RubberBandStretcher::Options kOptions =
    RubberBandStretcher::OptionProcessOffline | RubberBandStretcher::OptionEngineFiner |
    RubberBandStretcher::OptionChannelsTogether | RubberBandStretcher::OptionPitchHighConsistency;

// One block of the input, split into channels, as the library reads it.
class ChannelBlocks {
public:
    ChannelBlocks() {
        for (auto& channel : channels_) channel.resize(kBlockFrames);
    }
    const float* const* split(std::span<const float> input, size_t firstFrame, size_t frames) {
        for (size_t k = 0; k < frames; ++k) {
            channels_[0][k] = input[(firstFrame + k) * 2];
            channels_[1][k] = input[(firstFrame + k) * 2 + 1];
        }
        pointers_ = {channels_[0].data(), channels_[1].data()};
        return pointers_.data();
    }
    float* const* empty() {
        pointers_ = {channels_[0].data(), channels_[1].data()};
        return pointers_.data();
    }

private:
    std::array<std::vector<float>, 2> channels_;
    std::array<float*, 2> pointers_{};
};

}  // namespace

std::vector<float> stretchStereo(std::span<const float> input, size_t outputFrames,
                                 const std::map<size_t, size_t>& keyFrames, double pitchScale,
                                 StretchWindow window) {
    static_assert(targetChannels == 2);
    const size_t inputFrames = input.size() / 2;
    std::vector<float> output(outputFrames * 2, 0.0f);
    if (inputFrames == 0 || outputFrames == 0) return output;

    const RubberBandStretcher::Options options =
        kOptions | (window == StretchWindow::shortWindow ? RubberBandStretcher::OptionWindowShort
                                                         : RubberBandStretcher::OptionWindowStandard);
    RubberBandStretcher stretcher(static_cast<size_t>(targetSampleRate), 2, options);
    stretcher.setTimeRatio(static_cast<double>(outputFrames) / static_cast<double>(inputFrames));
    stretcher.setPitchScale(pitchScale);
    stretcher.setExpectedInputDuration(inputFrames);
    stretcher.setMaxProcessSize(kBlockFrames);
    ChannelBlocks blocks;
    for (size_t first = 0; first < inputFrames; first += kBlockFrames) {
        const size_t frames = std::min(kBlockFrames, inputFrames - first);
        stretcher.study(blocks.split(input, first, frames), frames,
                        first + frames == inputFrames);
    }
    if (!keyFrames.empty()) stretcher.setKeyFrameMap(keyFrames);

    size_t written = 0;
    const auto collect = [&] {
        while (stretcher.available() > 0) {
            const size_t wanted = std::min(static_cast<size_t>(stretcher.available()), kBlockFrames);
            float* const* out = blocks.empty();
            const size_t got = stretcher.retrieve(out, wanted);
            for (size_t k = 0; k < got && written < outputFrames; ++k, ++written) {
                output[written * 2] = out[0][k];
                output[written * 2 + 1] = out[1][k];
            }
        }
    };
    for (size_t first = 0; first < inputFrames; first += kBlockFrames) {
        const size_t frames = std::min(kBlockFrames, inputFrames - first);
        stretcher.process(blocks.split(input, first, frames), frames,
                          first + frames == inputFrames);
        collect();
    }
    collect();
    return output;
}

}  // namespace renderer
