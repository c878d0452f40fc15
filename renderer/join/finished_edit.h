#pragma once
// The finished edit, never held whole: the cut segments stay as they are, and every sample is
// level-matched and peak-normalised as it is read out (one table look-up). Only the seconds an
// ending changes, with the echo's source before them, get a buffer of their own. Reads out
// exactly the samples that joining the level-matched segments, applying the ending and lowering
// the peak on the whole joined edit in place would give. Single-threaded.

#include <cstdint>
#include <span>
#include <vector>

#include "common/final_ending_effect.h"
#include "renderer/base/constants.h"

namespace renderer {

class FinishedEdit {
public:
    // `segmentLevels` holds the segmentRMS of each segment, in play order; `endingStartFrame`
    // is counted in the joined edit (noEndingStartFrame for no ending). Throws RenderError
    // "Rendered audio is silent." for an empty edit or one whose peak is 0.
    FinishedEdit(std::vector<std::vector<int16_t>> segments, std::span<const double> segmentLevels,
                 common::FinalEndingEffect effect, long long endingStartFrame);

    size_t sampleCount() const { return sampleCount_; }
    // Seconds of ending actually applied (0 for none).
    double finalFadeSeconds() const { return finalFadeSeconds_; }
    // Largest |sample| of the finished edit ÷ 32767.
    double peakAfterNormalize() const { return peakAfterNormalize_; }

    // Copies the finished samples [first, first + out.size()), which lie inside the edit.
    void copySamples(size_t first, SampleSpan out) const;

private:
    void shapeEnding(common::FinalEndingEffect effect, long long endingStartFrame);
    void normalizePeak();

    std::vector<std::vector<int16_t>> segments_;
    std::vector<size_t> segmentStarts_;         // first sample of each segment in the edit
    std::vector<std::vector<int16_t>> tables_;  // per segment: raw sample + 32768 -> finished
    size_t endingStart_ = 0;                    // first sample read from ending_
    std::vector<int16_t> ending_;               // the finished samples from endingStart_ on
    size_t sampleCount_ = 0;
    double finalFadeSeconds_ = 0.0;
    double peakAfterNormalize_ = 0.0;
};

}  // namespace renderer
