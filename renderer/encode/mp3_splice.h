#pragma once
// Joining MP3 pieces that LAME encoded separately from overlapping stretches of one edit into
// one stream that decodes as a single encode would. Each piece's frames are numbered as in an
// encode of the whole edit (its first sample lies a whole number of frames into the edit), so
// frame j of every piece carries the same audio. At the splice frame j the incoming piece
// takes over: its frame j's audio data starts main_data_begin bytes back, in the outgoing
// piece's free reservoir bytes, and those bytes are copied there from the incoming piece.
// Pure.

#include <cstdint>
#include <optional>
#include <vector>

#include "renderer/encode/mp3_frame.h"

namespace renderer {

// One piece's LAME output: its header frame, then its audio frames.
struct EncodedPiece {
    std::vector<uint8_t> bytes;
    std::vector<Mp3Frame> frames;  // frames[0] is LAME's header frame
    long long firstMp3Frame = 0;   // edit-wide number of frames[1]

    long long endMp3Frame() const {
        return firstMp3Frame + static_cast<long long>(frames.size()) - 1;
    }
    bool hasMp3Frame(long long number) const {
        return number >= firstMp3Frame && number < endMp3Frame();
    }
    const Mp3Frame& mp3Frame(long long number) const {
        return frames[static_cast<size_t>(number - firstMp3Frame + 1)];
    }
};

// The first frame in [first, last] at which `incoming` may take over from `outgoing`: its
// reservoir need fits the bytes `outgoing` leaves free there, its own earlier frames hold
// those bytes, and on both channels the granules that meet are a legal pair of block types.
std::optional<long long> findSpliceFrame(const EncodedPiece& outgoing, const EncodedPiece& incoming,
                                         long long first, long long last);

struct JoinedMp3 {
    std::vector<uint8_t> bytes;
    std::vector<Mp3Frame> frames;  // frames[0] is the first piece's header frame, unchanged
};

// Whether the incoming piece's reservoir bytes are copied at each splice. Leaving them shows
// what a plain concatenation does to the audio; a render always moves them.
enum class ReservoirBytes { move, leave };

// pieces[0]'s header frame and frames up to spliceMp3Frames[0], then each later piece k from
// spliceMp3Frames[k - 1] up to the next splice, the last one to its end.
JoinedMp3 joinPieces(const std::vector<EncodedPiece>& pieces,
                     const std::vector<long long>& spliceMp3Frames,
                     ReservoirBytes reservoir = ReservoirBytes::move);

// True when every audio frame's data lies within the main data before its own end and after
// the data of the frame before it, so that a decoder finds all of it.
bool mainDataIsConsistent(const std::vector<Mp3Frame>& frames);

}  // namespace renderer
