#include "renderer/join/finished_edit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "renderer/base/render_error.h"
#include "renderer/cut/gain_and_ramps.h"
#include "renderer/cut/sample_math.h"
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
    void add(std::span<const float> samples) {
        if (samples.empty()) return;
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        add(static_cast<int>(std::lround(std::max(*low, -32768.0f))));
        add(static_cast<int>(std::lround(*high)));
    }
    void add(int value) {
        lowest = empty ? value : std::min(lowest, value);
        highest = empty ? value : std::max(highest, value);
        empty = false;
    }
    int largestMagnitude() const { return std::max(std::abs(lowest), std::abs(highest)); }
};

}  // namespace

std::vector<EditPart> wholeSegments(const std::vector<std::vector<int16_t>>& segments) {
    std::vector<EditPart> parts;
    for (size_t i = 0; i < segments.size(); ++i) {
        parts.push_back({i, 0, static_cast<long long>(segments[i].size() / targetChannels), {}});
    }
    return parts;
}

FinishedEdit::FinishedEdit(std::vector<std::vector<int16_t>> segments,
                           std::span<const double> segmentLevels, common::FinalEndingEffect effect,
                           long long endingStartFrame, std::vector<EditPart> parts)
    : segments_(std::move(segments)) {
    for (const double gain : levelMatchGains(segmentLevels)) tables_.push_back(gainTable(gain));
    if (parts.empty()) parts = wholeSegments(segments_);
    for (EditPart& part : parts) {
        Placed placed;
        placed.start = sampleCount_;
        placed.count = static_cast<size_t>(part.frameCount) * targetChannels;
        if (part.mixed.empty()) {
            placed.segment = part.segment;
            placed.first = static_cast<size_t>(part.firstFrame) * targetChannels;
        } else {
            placed.mixed = std::move(part.mixed);
            placed.count = placed.mixed.size();
        }
        if (placed.count == 0) continue;
        partStarts_.push_back(placed.start);
        sampleCount_ += placed.count;
        parts_.push_back(std::move(placed));
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
    SampleRange tableRange;
    SampleRange mixedRange;
    for (const Placed& part : parts_) {
        if (part.start >= endingStart_) break;
        const size_t before = std::min(part.count, endingStart_ - part.start);
        if (part.mixed.empty()) {
            tableRange.add(ConstSampleSpan(segments_[part.segment]).subspan(part.first, before),
                           tables_[part.segment]);
        } else {
            mixedRange.add(std::span<const float>(part.mixed).first(before));
        }
    }
    for (const int16_t sample : ending_) tableRange.add(sample);
    const double peak =
        std::max(tableRange.largestMagnitude(), mixedRange.largestMagnitude()) / int16Max;
    if (sampleCount_ == 0 || !(peak > 0.0)) throw RenderError("Rendered audio is silent.");

    const double gain = peak > peakCeiling ? peakCeiling / peak : 1.0;
    const std::vector<int16_t> lowered = gainTable(gain);
    for (std::vector<int16_t>& table : tables_) table = composed(table, lowered);
    for (int16_t& sample : ending_) sample = lookUp(lowered, sample);
    for (Placed& part : parts_) {
        part.finished.reserve(part.mixed.size());
        for (const float sample : part.mixed) part.finished.push_back(clampInt16(sample * gain));
        part.mixed = {};
    }
    peaksLowered_ = true;
    double peakAfter = 0.0;
    if (!tableRange.empty) {
        peakAfter = std::max(
            std::abs(int{lookUp(lowered, static_cast<int16_t>(tableRange.lowest))}),
            std::abs(int{lookUp(lowered, static_cast<int16_t>(tableRange.highest))}));
    }
    if (!mixedRange.empty) {
        const int mixedPeak = clampInt16(mixedRange.largestMagnitude() * gain);
        peakAfter = std::max(peakAfter, static_cast<double>(std::abs(mixedPeak)));
    }
    peakAfterNormalize_ = peakAfter / int16Max;
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
        const auto next = std::upper_bound(partStarts_.begin(), partStarts_.end(), position);
        const Placed& part = parts_[static_cast<size_t>(next - partStarts_.begin()) - 1];
        const size_t offset = position - part.start;
        const size_t count =
            std::min(std::min(part.start + part.count, endingStart_) - position, out.size() - done);
        if (peaksLowered_ && !part.finished.empty()) {
            std::copy_n(part.finished.begin() + static_cast<std::ptrdiff_t>(offset), count,
                        out.begin() + static_cast<std::ptrdiff_t>(done));
        } else if (!part.mixed.empty()) {
            for (size_t k = 0; k < count; ++k) out[done + k] = clampInt16(part.mixed[offset + k]);
        } else {
            const int16_t* source = segments_[part.segment].data() + part.first + offset;
            const std::vector<int16_t>& table = tables_[part.segment];
            for (size_t k = 0; k < count; ++k) out[done + k] = lookUp(table, source[k]);
        }
        done += count;
    }
}

}  // namespace renderer
