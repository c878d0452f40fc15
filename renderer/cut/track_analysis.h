#pragma once
// The record of one song's cut: what was asked, where its first note and cuts lie and, when the
// job asked for cuts on the beat, where each cut went. Times are seconds.

#include <optional>
#include <string>

namespace renderer {

// Where one cut went when the job asked for cuts on the beat.
struct CutBeatSnap {
    double fromFileTime = 0.0;        // the zero-crossing cut
    double toFileTime = 0.0;          // the cut as made; equal to fromFileTime when kept
    std::optional<double> tempoBpm;   // of the steady beat around the cut, when there is one
    std::string keptBecause = "off";  // empty when moved; else "off", "no steady beat", "too far"
};

struct TrackBeatSnap {
    CutBeatSnap start;
    CutBeatSnap end;
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
