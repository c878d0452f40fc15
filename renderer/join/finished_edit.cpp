#include "renderer/join/finished_edit.h"

#include <algorithm>
#include <cstdlib>

#include "renderer/base/render_error.h"
#include "renderer/cut/gain_and_ramps.h"
#include "renderer/join/echo_fade.h"
#include "renderer/join/loudness.h"

namespace renderer {
namespace {

int16_t lookUp(const std::vector<int16_t>& table, int16_t sample) {
    return table[static_cast<size_t>(sample + 32768)];
}

std::vector<int16_t> composed(const std::vector<int16_t>& first,
                              const std::vector<int16_t>& second) {
    std::vector<int16_t> table(first.size());
    for (size_t i = 0; i < first.size(); ++i) table[i] = lookUp(second, first[i]);
    return table;
}

// Returns the seconds of ending actually applied; noEndingStartFrame applies none.
double applyEnding(SampleSpan samples, common::FinalEndingEffect effect, long long startFrame) {
    switch (effect) {
        case common::FinalEndingEffect::fade:
            return applyFinalFade(samples, startFrame);
        case common::FinalEndingEffect::echoFade:
            return applyEchoFade(samples, startFrame);
        case common::FinalEndingEffect::none:
            break;
    }
    return 0.0;
}

// The lowest and highest of some samples, widened as more come in.
struct SampleRange {
    int lowest = 0;
    int highest = 0;
    bool empty = true;

    void add(ConstSampleSpan samples, const std::vector<int16_t>& table) {
        if (samples.empty()) return;
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        // Every table is non-decreasing, so the ends of the range map to the ends.
        add(lookUp(table, *low));
        add(lookUp(table, *high));
    }
    void add(int value) {
        lowest = empty ? value : std::min(lowest, value);
        highest = empty ? value : std::max(highest, value);
        empty = false;
    }
    int largestMagnitude() const { return std::max(std::abs(lowest), std::abs(highest)); }
};

}  // namespace

FinishedEdit::FinishedEdit(std::vector<std::vector<int16_t>> segments,
                           std::span<const double> segmentLevels, common::FinalEndingEffect effect,
                           long long endingStartFrame)
    : segments_(std::move(segments)) {
    const double target = levelMatchTarget(segmentLevels);
    for (size_t i = 0; i < segments_.size(); ++i) {
        segmentStarts_.push_back(sampleCount_);
        sampleCount_ += segments_[i].size();
        const bool matched = segments_[i].size() >= 2;
        tables_.push_back(gainTable(matched ? levelMatchGain(segmentLevels[i], target) : 1.0));
    }
    shapeEnding(effect, endingStartFrame);
    normalizePeak();
}

// Only the tail is changed, and the echo reads no further back than echoSourceFrames before
// it: the ending's buffer starts there, with the start frame moved along, so both effects see
// what they would see on the whole edit.
void FinishedEdit::shapeEnding(common::FinalEndingEffect effect, long long endingStartFrame) {
    const auto frames = static_cast<long long>(sampleCount_ / targetChannels);
    endingStart_ = sampleCount_;
    if (effect == common::FinalEndingEffect::none || endingStartFrame == noEndingStartFrame) return;
    const long long firstFrame = std::clamp(endingStartFrame - echoSourceFrames, 0LL, frames);
    const size_t firstSample = static_cast<size_t>(firstFrame) * targetChannels;
    ending_.resize(sampleCount_ - firstSample);
    copySamples(firstSample, ending_);  // level-matched only: the peak is not lowered yet
    endingStart_ = firstSample;
    finalFadeSeconds_ = applyEnding(ending_, effect, endingStartFrame - firstFrame);
}

void FinishedEdit::normalizePeak() {
    SampleRange range;
    for (size_t i = 0; i < segments_.size(); ++i) {
        if (segmentStarts_[i] >= endingStart_) break;
        const size_t before = std::min(segments_[i].size(), endingStart_ - segmentStarts_[i]);
        range.add(ConstSampleSpan(segments_[i]).first(before), tables_[i]);
    }
    for (const int16_t sample : ending_) range.add(sample);
    const double peak = range.largestMagnitude() / int16Max;
    if (sampleCount_ == 0 || !(peak > 0.0)) throw RenderError("Rendered audio is silent.");

    const std::vector<int16_t> lowered = gainTable(peak > peakCeiling ? peakCeiling / peak : 1.0);
    for (std::vector<int16_t>& table : tables_) table = composed(table, lowered);
    for (int16_t& sample : ending_) sample = lookUp(lowered, sample);
    peakAfterNormalize_ =
        std::max(std::abs(int{lookUp(lowered, static_cast<int16_t>(range.lowest))}),
                 std::abs(int{lookUp(lowered, static_cast<int16_t>(range.highest))})) /
        int16Max;
}

void FinishedEdit::copySamples(size_t first, SampleSpan out) const {
    size_t done = 0;
    while (done < out.size()) {
        const size_t position = first + done;
        if (position >= endingStart_) {
            std::copy_n(ending_.begin() + static_cast<std::ptrdiff_t>(position - endingStart_),
                        out.size() - done, out.begin() + static_cast<std::ptrdiff_t>(done));
            return;
        }
        const auto next = std::upper_bound(segmentStarts_.begin(), segmentStarts_.end(), position);
        const auto index = static_cast<size_t>(next - segmentStarts_.begin()) - 1;
        const size_t segmentEnd = segmentStarts_[index] + segments_[index].size();
        const size_t count =
            std::min(std::min(segmentEnd, endingStart_) - position, out.size() - done);
        const int16_t* source = segments_[index].data() + (position - segmentStarts_[index]);
        const std::vector<int16_t>& table = tables_[index];
        for (size_t k = 0; k < count; ++k) out[done + k] = lookUp(table, source[k]);
        done += count;
    }
}

}  // namespace renderer
