#include "renderer/encode/mp3_frame.h"

namespace renderer {
namespace {

constexpr std::array<int, 15> kBitratesKbps = {0,   32,  40,  48,  56,  64,  80, 96,
                                               112, 128, 160, 192, 224, 256, 320};
constexpr std::array<int, 3> kSampleRates = {44100, 48000, 32000};

// Reads the side information bit by bit, most significant first.
class BitReader {
public:
    explicit BitReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    int read(int count) {
        int value = 0;
        for (int i = 0; i < count; ++i, ++position_) {
            const int bit = (bytes_[position_ / 8] >> (7 - position_ % 8)) & 1;
            value = (value << 1) | bit;
        }
        return value;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
};

}  // namespace

std::optional<Mp3Frame> parseMp3Frame(std::span<const uint8_t> stream, size_t offset) {
    if (offset + 4 > stream.size()) return std::nullopt;
    const uint32_t header = (uint32_t{stream[offset]} << 24) |
                            (uint32_t{stream[offset + 1]} << 16) |
                            (uint32_t{stream[offset + 2]} << 8) | stream[offset + 3];
    const bool sync = (header >> 21) == 0x7FF;
    const bool mpeg1 = ((header >> 19) & 3) == 3;
    const bool layer3 = ((header >> 17) & 3) == 1;
    const bool noCrc = ((header >> 16) & 1) == 1;
    const auto bitrateIndex = (header >> 12) & 0xF;
    const auto rateIndex = (header >> 10) & 3;
    if (!sync || !mpeg1 || !layer3 || !noCrc || bitrateIndex == 0 || bitrateIndex == 15 ||
        rateIndex == 3) {
        return std::nullopt;
    }
    Mp3Frame frame;
    frame.offset = offset;
    frame.size =
        static_cast<size_t>(144000 * kBitratesKbps[bitrateIndex] / kSampleRates[rateIndex]) +
        ((header >> 9) & 1);
    frame.channels = ((header >> 6) & 3) == 3 ? 1 : 2;
    const size_t sideInfoBytes = frame.channels == 1 ? 17 : 32;
    frame.mainDataOffset = offset + 4 + sideInfoBytes;
    if (frame.end() > stream.size() || frame.mainDataOffset > frame.end()) return std::nullopt;

    BitReader bits(stream.subspan(offset + 4, sideInfoBytes));
    frame.mainDataBegin = bits.read(9);
    bits.read(frame.channels == 1 ? 5 : 3);  // private bits
    bits.read(4 * frame.channels);           // scale factor selection
    for (int granule = 0; granule < 2; ++granule) {
        for (int channel = 0; channel < frame.channels; ++channel) {
            frame.audioDataBits += bits.read(12);  // part2_3_length
            bits.read(9 + 8 + 4);                  // big_values, global_gain, scalefac_compress
            const bool windowSwitching = bits.read(1) == 1;
            int blockType = 0;
            if (windowSwitching) {
                blockType = bits.read(2);
                bits.read(20);  // mixed block flag, table selects, sub-block gains
            } else {
                bits.read(22);  // table selects, region counts
            }
            bits.read(3);  // preflag, scalefac_scale, count1table_select
            frame.blockTypes[static_cast<size_t>(granule)][static_cast<size_t>(channel)] =
                blockType;
        }
    }
    if (frame.channels == 1) {
        for (auto& granule : frame.blockTypes) granule[1] = granule[0];
    }
    return frame;
}

std::optional<std::vector<Mp3Frame>> parseMp3Frames(std::span<const uint8_t> stream) {
    std::vector<Mp3Frame> frames;
    for (size_t offset = 0; offset < stream.size();) {
        const std::optional<Mp3Frame> frame = parseMp3Frame(stream, offset);
        if (!frame) return std::nullopt;
        frames.push_back(*frame);
        offset = frame->end();
    }
    return frames;
}

bool blockTypesMayFollow(int earlier, int later) {
    const bool earlierEndsLong = earlier == 0 || earlier == 3;
    const bool laterStartsLong = later == 0 || later == 1;
    return earlierEndsLong == laterStartsLong;
}

}  // namespace renderer
