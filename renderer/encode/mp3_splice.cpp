#include "renderer/encode/mp3_splice.h"

#include <algorithm>
#include <cstddef>

#include "renderer/base/render_error.h"

namespace renderer {
namespace {

// A stretch of bytes in a stream.
struct ByteRange {
    size_t offset = 0;
    size_t size = 0;
};

// The last `count` main data bytes before audio frame `index` (frames[0], the header frame,
// holds none), in stream order; empty when the frames before hold fewer.
std::vector<ByteRange> mainDataBefore(const std::vector<Mp3Frame>& frames, size_t index,
                                      size_t count) {
    std::vector<ByteRange> ranges;
    for (size_t i = index; count > 0 && i > 1; --i) {
        const Mp3Frame& frame = frames[i - 1];
        const size_t taken = std::min(count, frame.mainDataSize());
        ranges.push_back({frame.end() - taken, taken});
        count -= taken;
    }
    if (count > 0) return {};
    std::reverse(ranges.begin(), ranges.end());
    return ranges;
}

size_t totalSize(const std::vector<ByteRange>& ranges) {
    size_t total = 0;
    for (const ByteRange& range : ranges) total += range.size;
    return total;
}

size_t indexOf(const EncodedPiece& piece, long long mp3Frame) {
    return static_cast<size_t>(mp3Frame - piece.firstMp3Frame + 1);
}

void appendFrames(JoinedMp3& joined, const EncodedPiece& piece, size_t first, size_t end) {
    for (size_t i = first; i < end; ++i) {
        Mp3Frame frame = piece.frames[i];
        const auto from = piece.bytes.begin() + static_cast<std::ptrdiff_t>(frame.offset);
        const size_t offset = joined.bytes.size();
        joined.bytes.insert(joined.bytes.end(), from,
                            from + static_cast<std::ptrdiff_t>(frame.size));
        frame.mainDataOffset = frame.mainDataOffset - frame.offset + offset;
        frame.offset = offset;
        joined.frames.push_back(frame);
    }
}

// Puts the bytes that the incoming piece's first frame reads from its own earlier frames into
// the same places before that frame in the joined stream.
void moveReservoirBytes(JoinedMp3& joined, const EncodedPiece& incoming, size_t spliceIndex) {
    const auto need = static_cast<size_t>(incoming.frames[spliceIndex].mainDataBegin);
    const std::vector<ByteRange> from = mainDataBefore(incoming.frames, spliceIndex, need);
    const std::vector<ByteRange> to = mainDataBefore(joined.frames, joined.frames.size(), need);
    if (totalSize(from) != need || totalSize(to) != need) {
        throw RenderError("The encoded pieces of the edit could not be joined.");
    }
    std::vector<uint8_t> bytes;
    for (const ByteRange& range : from) {
        const auto start = incoming.bytes.begin() + static_cast<std::ptrdiff_t>(range.offset);
        bytes.insert(bytes.end(), start, start + static_cast<std::ptrdiff_t>(range.size));
    }
    size_t next = 0;
    for (const ByteRange& range : to) {
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(next), range.size,
                    joined.bytes.begin() + static_cast<std::ptrdiff_t>(range.offset));
        next += range.size;
    }
}

}  // namespace

std::optional<long long> findSpliceFrame(const EncodedPiece& outgoing, const EncodedPiece& incoming,
                                         long long first, long long last) {
    for (long long j = first; j <= last; ++j) {
        if (!outgoing.hasMp3Frame(j - 1) || !outgoing.hasMp3Frame(j) ||
            !incoming.hasMp3Frame(j - 1) || !incoming.hasMp3Frame(j)) {
            continue;
        }
        const Mp3Frame& before = outgoing.mp3Frame(j - 1);
        const Mp3Frame& taking = incoming.mp3Frame(j);
        const auto need = static_cast<size_t>(taking.mainDataBegin);
        if (taking.mainDataBegin > outgoing.mp3Frame(j).mainDataBegin) continue;
        if (totalSize(mainDataBefore(incoming.frames, indexOf(incoming, j), need)) != need) {
            continue;
        }
        const bool legal = blockTypesMayFollow(before.blockTypes[1][0], taking.blockTypes[0][0]) &&
                           blockTypesMayFollow(before.blockTypes[1][1], taking.blockTypes[0][1]);
        if (legal) return j;
    }
    return std::nullopt;
}

JoinedMp3 joinPieces(const std::vector<EncodedPiece>& pieces,
                     const std::vector<long long>& spliceMp3Frames, ReservoirBytes reservoir) {
    JoinedMp3 joined;
    for (size_t k = 0; k < pieces.size(); ++k) {
        const EncodedPiece& piece = pieces[k];
        const size_t first = k == 0 ? 0 : indexOf(piece, spliceMp3Frames[k - 1]);
        const size_t end =
            k + 1 < pieces.size() ? indexOf(piece, spliceMp3Frames[k]) : piece.frames.size();
        if (k > 0 && reservoir == ReservoirBytes::move) moveReservoirBytes(joined, piece, first);
        appendFrames(joined, piece, first, end);
    }
    return joined;
}

bool mainDataIsConsistent(const std::vector<Mp3Frame>& frames) {
    size_t areaStart = 0;  // of the frame's own main data area, counted in main data bytes
    size_t previousEnd = 0;
    for (size_t i = 1; i < frames.size(); ++i) {
        const Mp3Frame& frame = frames[i];
        const auto back = static_cast<size_t>(frame.mainDataBegin);
        if (back > areaStart) return false;
        const size_t start = areaStart - back;
        const size_t end = start + frame.audioDataBytes();
        areaStart += frame.mainDataSize();
        if (start < previousEnd || end > areaStart) return false;
        previousEnd = end;
    }
    return true;
}

}  // namespace renderer
