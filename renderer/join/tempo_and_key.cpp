#include "renderer/join/tempo_and_key.h"

#include <charconv>
#include <cmath>

#include "renderer/cut/sample_math.h"
#include "renderer/stretch/time_stretch.h"

namespace renderer {
namespace {

std::string number(double value) {
    char digits[32];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

std::string askedTempoText(const common::TempoRequest& tempo) {
    using Kind = common::TempoRequest::Kind;
    switch (tempo.kind) {
        case Kind::toBpm:
            return number(tempo.value) + " BPM";
        case Kind::byPercent:
            return number(std::abs(tempo.value)) + (tempo.value < 0.0 ? " % slower" : " % faster");
        case Kind::matchSong:
            return "the tempo of song " + number(tempo.value);
    }
    return {};
}

std::string askedKeyText(double semitones) {
    const double size = std::abs(semitones);
    return number(size) + (size == 1.0 ? " semitone " : " semitones ") +
           (semitones < 0.0 ? "down" : "up");
}

// Of the target tempo and its half and double, the one nearest the song's own: a song at 70 BPM
// matched to one at 140 plays on at 70.
double nearestOctave(double target, double own) {
    double best = target;
    for (const double candidate : {target / 2.0, target * 2.0}) {
        if (std::abs(std::log(candidate / own)) < std::abs(std::log(best / own))) best = candidate;
    }
    return best;
}

void decideTempo(TempoKeyChange& change, const common::TempoRequest& tempo,
                 std::span<const std::optional<BeatGrid>> grids, size_t index) {
    using Kind = common::TempoRequest::Kind;
    const std::optional<BeatGrid>& own = grids[index];
    double speed = 1.0;
    if (tempo.kind == Kind::byPercent) {
        speed = 1.0 + tempo.value / 100.0;
    } else if (!own) {
        change.whyNot = "no steady beat in song " + number(change.track) +
                        ", so its tempo cannot be set to " + change.askedTempo;
        return;
    } else if (tempo.kind == Kind::toBpm) {
        speed = tempo.value / own->tempoBpm();
    } else {
        const auto other = static_cast<size_t>(tempo.value) - 1;
        if (tempo.value != std::floor(tempo.value) || other >= grids.size() || other == index) {
            change.whyNot = "there is no other song " + number(tempo.value) + " to match";
            return;
        }
        if (!grids[other]) {
            change.whyNot = "no steady beat in song " + number(tempo.value) + " to match";
            return;
        }
        speed = nearestOctave(grids[other]->tempoBpm(), own->tempoBpm()) / own->tempoBpm();
    }
    if (!(speed >= slowestSpeed && speed <= fastestSpeed)) {
        change.whyNot = "that is " + number(std::round(speed * 100.0) / 100.0) +
                        " times its speed, and only half to double can be done here";
        return;
    }
    change.speed = speed;
    if (own) {
        change.fromBpm = own->tempoBpm();
        change.toBpm = own->tempoBpm() * speed;
    }
}

}  // namespace

std::vector<TempoKeyChange> decideTempoAndKey(std::span<const std::optional<TempoKeyAsk>> asks,
                                              std::span<const std::optional<BeatGrid>> grids) {
    std::vector<TempoKeyChange> changes;
    for (size_t i = 0; i < asks.size(); ++i) {
        if (!asks[i] || (!asks[i]->tempo && !asks[i]->semitones)) continue;
        TempoKeyChange change;
        change.track = static_cast<int>(i) + 1;
        change.askedBy = asks[i]->askedBy;
        if (asks[i]->tempo) {
            change.askedTempo = askedTempoText(*asks[i]->tempo);
            decideTempo(change, *asks[i]->tempo, grids, i);
        }
        if (const std::optional<double> semitones = asks[i]->semitones) {
            change.askedKey = askedKeyText(*semitones);
            if (std::abs(*semitones) <= mostSemitones) {
                change.semitones = *semitones;
            } else {
                change.whyNot += (change.whyNot.empty() ? "" : "; ") +
                                 std::string("a key change beyond 12 semitones cannot be done "
                                             "here");
            }
        }
        changes.push_back(std::move(change));
    }
    return changes;
}

std::vector<int16_t> changedSegment(ConstSampleSpan segment, const TempoKeyChange& change) {
    std::vector<float> input(segment.begin(), segment.end());
    for (float& sample : input) sample /= 32768.0f;
    const auto frames = static_cast<double>(segment.size() / targetChannels);
    const auto outputFrames = static_cast<size_t>(std::llround(frames / change.speed));
    const std::vector<float> output =
        stretchStereo(input, outputFrames, {}, std::pow(2.0, change.semitones / 12.0));
    std::vector<int16_t> changed(output.size());
    for (size_t i = 0; i < output.size(); ++i) changed[i] = clampInt16(output[i] * 32768.0);
    return changed;
}

}  // namespace renderer
