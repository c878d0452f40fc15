#pragma once
// The record of one song's cut: what was asked, where its first note and cuts lie and, when the
// job asked for cuts on the beat, where each cut went. Times are seconds.

#include <optional>
#include <string>

namespace renderer {

// Where one cut went when the job asked for cuts on the beat or the bar.
struct CutBeatSnap {
    double fromFileTime = 0.0;        // the zero-crossing cut
    double toFileTime = 0.0;          // the cut as made; equal to fromFileTime when kept
    std::optional<double> tempoBpm;   // of the song's trusted grid, when it has one
    std::string keptBecause = "off";  // empty when moved; else "off", "no steady beat", "too far"
    std::string snappedTo;            // "beat" or "bar" when moved
};

// The song's beat grid as the analysis found it; only when the job asked for a snap.
struct TrackGrid {
    bool trusted = false;
    double confidence = 0.0;
    double tempoBpm = 0.0;  // measured even when not trusted; 0 when nothing could be measured
    std::optional<double> firstBeatFileTime;      // of a trusted grid
    std::optional<double> firstDownbeatFileTime;  // where the bars are trusted too
    int beatsPerBar = 0;                          // of trusted bars
    double barConfidence = 0.0;
};

struct TrackBeatSnap {
    CutBeatSnap start;
    CutBeatSnap end;
    std::string unit;               // "beat" or "bar": what the cuts were asked to snap to
    std::string barRequestedBy;     // "choice" or "note" when the unit is "bar"
    std::optional<TrackGrid> grid;  // present when a snap was asked
};

struct TrackAnalysis {
    int track = 0;  // 1-based
    std::string name;
    std::string path;
    double duration = 0.0;
    double firstNoteTime = 0.0;
    double requestedStart = 0.0;  // from musical zero
    double requestedEnd = 0.0;    // from musical zero
    std::string endReason;        // "typed_time", "note_time" or "local_time_guess"
    double targetStartFileTime = 0.0;
    double targetEndFileTime = 0.0;
    double selectedStartFileTime = 0.0;
    double selectedEndFileTime = 0.0;
    double renderedEndFileTime = 0.0;
    std::optional<double> finalFadeStartFileTime;  // only on the song that carries the ending
    std::string finalEndingEffect = "Off";
    double finalFadeExtraSeconds = 0.0;
    double selectedDuration = 0.0;
    std::string note;
    TrackBeatSnap beatSnap;
};

}  // namespace renderer
