#pragma once
// The finished edit, never held whole: the cut segments stay as they are, and every sample is
// level-matched and peak-normalised as it is read out (one table look-up). Only the blends
// between songs, and the seconds an ending changes with the echo's source before them, get
// buffers of their own. Reads out exactly the samples that joining the level-matched segments
// (and blends), applying the ending and lowering the peak on the whole joined edit in place
// would give. Single-threaded.

#include <cstdint>
#include <span>
#include <vector>

#include "common/final_ending_effect.h"
#include "renderer/base/constants.h"

namespace renderer {

// One stretch of the edit, in play order: frames of a cut segment, or audio of its own.
struct EditPart {
    size_t segment = 0;         // which segment, for a part read from one
    long long firstFrame = 0;   // its first frame there
    long long frameCount = 0;   // of the part
    std::vector<float> mixed;   // when not empty, the part's own audio: interleaved stereo,
                                // level-matched, in 16-bit units but not clamped (a blend)
};

// Every segment whole, one after the other: the edit of plain cuts.
std::vector<EditPart> wholeSegments(const std::vector<std::vector<int16_t>>& segments);

class FinishedEdit {
public:
    // `segmentLevels` holds the segmentRMS of each segment, in play order; `parts` lays the edit
    // out (wholeSegments when empty); `endingStartFrame` is counted in the joined edit
    // (noEndingStartFrame for no ending). Throws RenderError "Rendered audio is silent." for an
    // empty edit or one whose peak is 0.
    FinishedEdit(std::vector<std::vector<int16_t>> segments, std::span<const double> segmentLevels,
                 common::FinalEndingEffect effect, long long endingStartFrame,
                 std::vector<EditPart> parts = {});

    size_t sampleCount() const { return sampleCount_; }
    // Seconds of ending actually applied (0 for none).
    double finalFadeSeconds() const { return finalFadeSeconds_; }
    // Largest |sample| of the finished edit ÷ 32767.
    double peakAfterNormalize() const { return peakAfterNormalize_; }

    // Copies the finished samples [first, first + out.size()), which lie inside the edit.
    void copySamples(size_t first, SampleSpan out) const;

private:
    // A part as it is read out.
    struct Placed {
        size_t start = 0;    // first sample in the edit
        size_t count = 0;    // samples
        size_t segment = 0;  // for a part read through its segment's table...
        size_t first = 0;    // ...from this sample of it
        std::vector<float> mixed;      // or its own audio, before the peak is lowered
        std::vector<int16_t> finished;  // and after
    };

    void shapeEnding(common::FinalEndingEffect effect, long long endingStartFrame);
    void normalizePeak();

    std::vector<std::vector<int16_t>> segments_;
    std::vector<std::vector<int16_t>> tables_;  // per segment: raw sample + 32768 -> finished
    std::vector<Placed> parts_;
    std::vector<size_t> partStarts_;            // first sample of each part in the edit
    bool peaksLowered_ = false;                 // the parts' own audio is `finished` now
    size_t endingStart_ = 0;                    // first sample read from ending_
    std::vector<int16_t> ending_;               // the finished samples from endingStart_ on
    size_t sampleCount_ = 0;
    double finalFadeSeconds_ = 0.0;
    double peakAfterNormalize_ = 0.0;
};

}  // namespace renderer
