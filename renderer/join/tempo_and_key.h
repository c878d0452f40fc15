#pragma once
// A song's segment played at another tempo or in another key, as its job keys or its note ask:
// decided from the songs' trusted grids, then made with Rubber Band (stretch/time_stretch.h),
// pitch unchanged under a tempo change and length unchanged under a key change. Decisions are
// pure; the change itself is thread-safe.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/note_requests.h"
#include "renderer/analysis/beat_grid.h"
#include "renderer/base/constants.h"

namespace renderer {

// The tempo factor and the key change a song can be given here.
inline constexpr double slowestSpeed = 0.5;
inline constexpr double fastestSpeed = 2.0;
inline constexpr double mostSemitones = 12.0;

struct TempoKeyAsk {
    std::optional<common::TempoRequest> tempo;
    std::optional<double> semitones;
    std::string askedBy;  // "choice" (job keys) or "note"
};

// What one song's segment is given, and the record of it.
struct TempoKeyChange {
    int track = 0;            // 1-based
    std::string askedTempo;   // "128 BPM", "4 % faster", "the tempo of song 2"; empty: none
    std::string askedKey;     // "2 semitones up"; empty: none
    std::string askedBy;
    double speed = 1.0;       // playback speed of the segment: 1.04 plays 4 % faster
    double semitones = 0.0;   // done
    std::optional<double> fromBpm;  // the song's own tempo, with a trusted grid
    std::optional<double> toBpm;
    std::string whyNot;       // why what was asked is not (all) done

    bool changes() const { return speed != 1.0 || semitones != 0.0; }
};

// One change per song with an ask; `grids` holds every song's trusted grid (or none), in play
// order.
std::vector<TempoKeyChange> decideTempoAndKey(std::span<const std::optional<TempoKeyAsk>> asks,
                                              std::span<const std::optional<BeatGrid>> grids);

// The segment played at `change.speed` and shifted by `change.semitones`: interleaved stereo.
std::vector<int16_t> changedSegment(ConstSampleSpan segment, const TempoKeyChange& change);

}  // namespace renderer
