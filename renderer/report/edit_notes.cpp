#include "renderer/report/edit_notes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "common/atomic_file.h"
#include "renderer/job/time_targets.h"

namespace renderer {
namespace {

// printf's "%.Nf" for N = `decimals` (at most 20), always with "." whatever the locale.
std::string fixedDecimals(double value, int decimals) {
    // Room for any double in fixed notation: a sign, 309 integer digits, "." and decimals.
    std::array<char, 340> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return "nan";
    return std::string(buffer.data(), result.ptr);
}

std::string songLine(const TrackAnalysis& track) {
    std::string line = "- Song " + std::to_string(track.track) + " " + track.name +
                       ": requested start " + fixedDecimals(track.requestedStart, 2) +
                       "s; end target " + fixedDecimals(track.requestedEnd, 2) +
                       "s from musical zero (" + track.endReason + "); selected file " +
                       fixedDecimals(track.selectedStartFileTime, 3) + "s to " +
                       fixedDecimals(track.selectedEndFileTime, 3) + "s; first-note offset " +
                       fixedDecimals(track.firstNoteTime, 3) + "s.";
    if (track.finalFadeStartFileTime) {
        line += " " + track.finalEndingEffect + " starts at " +
                fixedDecimals(*track.finalFadeStartFileTime, 3) + "s and renders through " +
                fixedDecimals(track.renderedEndFileTime, 3) + "s.";
    }
    return line;
}

// "m:ss.mmm", with a "-" before a time ahead of musical zero.
std::string minutesAndSeconds(double seconds) {
    const auto millis = static_cast<long long>(std::llround(std::abs(seconds) * 1000.0));
    std::array<char, 40> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%s%lld:%02lld.%03lld",
                  seconds < 0.0 && millis > 0 ? "-" : "", millis / 60000, millis / 1000 % 60,
                  millis % 1000);
    return buffer.data();
}

// "Song 1 ends on the beat at 0:12.480 (0.112 s after the typed 0:12.368), 124 BPM.", in
// times after musical zero, as the user typed them; "on the bar" for a bar line; nothing when
// the cut did not move.
std::optional<std::string> beatLine(const TrackAnalysis& track, const CutBeatSnap& snap,
                                    std::string_view verb, double requested, bool typed) {
    if (!snap.keptBecause.empty() || !snap.tempoBpm) return std::nullopt;
    const double onBeat = snap.toFileTime - track.firstNoteTime;
    const double moved = onBeat - requested;
    const std::string_view place = snap.snappedTo == "bar" ? " on the bar at " : " on the beat at ";
    return "- Song " + std::to_string(track.track) + " " + std::string(verb) + std::string(place) +
           minutesAndSeconds(onBeat) + " (" + fixedDecimals(std::abs(moved), 3) + " s " +
           (moved < 0.0 ? "before" : "after") + " the " + (typed ? "typed " : "planned ") +
           minutesAndSeconds(requested) + "), " + fixedDecimals(*snap.tempoBpm, 0) + " BPM.";
}

// Why a song's cuts did not go where the job asked: no steady beat at all, or bars asked for
// that the song does not show clearly.
std::optional<std::string> gridLine(const TrackAnalysis& track) {
    const TrackBeatSnap& snap = track.beatSnap;
    if (!snap.grid) return std::nullopt;
    const std::string song = "- Song " + std::to_string(track.track) + " " + track.name;
    if (!snap.grid->trusted) {
        return song + ": no steady beat found, so its cuts stay on the nearest zero crossing.";
    }
    const bool barAsked = snap.unit == "bar";
    const bool onBeatInstead = snap.start.snappedTo == "beat" || snap.end.snappedTo == "beat";
    if (barAsked && onBeatInstead) {
        const std::string asked = snap.barRequestedBy == "note" ? "its note asks for the bar line"
                                                                : "cuts on the bar were chosen";
        const std::string why = snap.grid->firstDownbeatFileTime
                                    ? "the nearest bar line lies too far"
                                    : "its bar lines are not clear enough to trust";
        return song + ": " + asked + ", but " + why + ", so it is cut on the beat instead.";
    }
    return std::nullopt;
}

std::string songNumber(int track) { return "Song " + std::to_string(track); }

// The join's line when something was asked of it, or it is more than a cut: what was asked,
// what was done and, where they differ, why.
std::optional<std::string> joinLine(const JoinReport& join) {
    if (join.askedBy.empty() && join.style == "cut") return std::nullopt;
    const std::string songs =
        "- " + songNumber(join.fromTrack) + " into " + songNumber(join.fromTrack + 1) + ": ";
    const std::string asked =
        join.askedLength.empty() ? "" : " (asked for " + join.askedLength + ")";
    if (join.asked == "cut") return songs + "a cut, as asked.";
    if (join.style == "blend") {
        std::string line = songs + "blended over " + fixedDecimals(join.beats, 0) + " beats (" +
                           fixedDecimals(join.seconds, 2) + " s)";
        if (!join.askedLength.empty() && join.askedLength != fixedDecimals(join.beats, 0) + " beats") {
            line += asked;
        }
        if (join.tempoFromBpm && join.tempoToBpm) {
            line += ", song " + std::to_string(join.fromTrack) + " stretched from " +
                    fixedDecimals(*join.tempoFromBpm, 1) + " to " +
                    fixedDecimals(*join.tempoToBpm, 1) + " BPM";
        } else {
            line += ", beat-matched";
        }
        return line + ".";
    }
    if (join.style == "crossfade") {
        return songs + "asked for a blend" + asked + "; " + join.whyNot + ", so a " +
               fixedDecimals(join.seconds, 1) + " s crossfade.";
    }
    return songs + "asked for a blend" + asked + "; " + join.whyNot + ", so a cut.";
}

// Whether the edit carries out everything the job and the notes asked.
bool everythingAskedDone(const EditNotes& notes) {
    if (!notes.leftOut.empty()) return false;
    return std::all_of(notes.joins.begin(), notes.joins.end(), [](const JoinReport& join) {
        return join.asked == "cut" || join.style == "blend";
    });
}

}  // namespace

std::string editNotesText(const EditNotes& notes) {
    std::vector<std::string> lines = {
        "# Tunewright Edit Notes",
        "",
        "Renderer: Tunewright local engine.",
        "Output: " + notes.outputFileName,
        "Duration: " + fixedDecimals(notes.durationSeconds, 2) + " seconds",
        "Final ending effect: " + std::string(common::title(notes.effect)),
        "",
        "Why AI fallback was not used:",
        everythingAskedDone(notes)
            ? "The local engine found usable timing and audio-continuity decisions without "
              "external AI assistance."
            : "The local engine made this edit without external AI assistance, but not "
              "everything asked could be done as asked; the lines under \"Joins and requests\" "
              "say what and why.",
        "",
        "Cut points:",
    };
    for (const TrackAnalysis& track : notes.tracks) lines.push_back(songLine(track));
    for (const TrackAnalysis& track : notes.tracks) {
        const bool endTyped = track.endReason == endReasonTypedTime;
        for (const auto& line :
             {beatLine(track, track.beatSnap.start, "starts", track.requestedStart, true),
              beatLine(track, track.beatSnap.end, "ends", track.requestedEnd, endTyped)}) {
            if (line) lines.push_back(*line);
        }
        if (const std::optional<std::string> line = gridLine(track)) lines.push_back(*line);
    }
    std::vector<std::string> requestLines;
    for (const JoinReport& join : notes.joins) {
        if (const std::optional<std::string> line = joinLine(join)) requestLines.push_back(*line);
    }
    for (const LeftOutRequest& request : notes.leftOut) {
        requestLines.push_back("- " + songNumber(request.track) + ": asked for " + request.request +
                               ", but " + request.why + ", so the edit goes without it.");
    }
    if (!requestLines.empty()) {
        lines.insert(lines.end(), {"", "Joins and requests:"});
        lines.insert(lines.end(), requestLines.begin(), requestLines.end());
    }
    lines.insert(lines.end(), {
                                  "",
                                  "QC:",
                                  "- Exported one 320 kbps MP3.",
                                  "- Used first-note detection, zero-crossing placement, and "
                                  "short de-click ramps at edit edges.",
                                  "- Checked the first 0.20 seconds after every join for dead air.",
                                  "- Normalized peak level to avoid clipping.",
                              });
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

void writeEditNotes(const EditNotes& notes, const std::filesystem::path& path) {
    common::writeFileAtomically(path, editNotesText(notes));
}

}  // namespace renderer
