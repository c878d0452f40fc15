#include "renderer/report/edit_notes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
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

// "8 beats", "1 beat", "1.5 beats": a length made of whole frames lies a hair off its whole
// beats, so what reads as a whole count in tenths is written as one.
std::string beatsText(double beats) {
    const double tenths = std::round(beats * 10.0) / 10.0;
    const std::string count = fixedDecimals(tenths, std::round(tenths) == tenths ? 0 : 1);
    return count + (count == "1" ? " beat" : " beats");
}

// "over 1 beat (0.48 s)", or "of 0.60 s" without a grid.
std::string effectLength(const JoinReport& join, std::string_view over) {
    const std::string seconds = fixedDecimals(join.seconds, 2) + " s";
    if (join.beats <= 0.0) return std::string(over) + " " + seconds;
    return std::string(over) + " " + beatsText(join.beats) + " (" + seconds + ")";
}

// What an effect did, after "Song 1 into Song 2: " or "Song 3: ends with ".
std::string effectDone(const JoinReport& join, bool ending) {
    if (join.style == "pause") {
        return "a pause " + effectLength(join, "of") + ", then song " +
               std::to_string(join.fromTrack + 1) + " on its beat";
    }
    std::string done = (join.style == "echoOut" ? "an " : "a ") + effectWords(join.style) + " " +
                       effectLength(join, "over");
    if (join.style == "echoOut" && !ending) {
        done += " under the start of song " + std::to_string(join.fromTrack + 1);
    }
    return done;
}

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
        std::string line = songs + "blended over " + beatsText(join.beats) + " (" +
                           fixedDecimals(join.seconds, 2) + " s)";
        if (!join.askedLength.empty() && join.askedLength != beatsText(join.beats)) line += asked;
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
    if (join.style != "cut") return songs + effectDone(join, false) + ".";
    const std::string what = join.asked == "blend" ? "a blend" : "a " + effectWords(join.asked);
    return songs + "asked for " + what + asked + "; " + join.whyNot + ", so a cut.";
}

std::string endingLine(const JoinReport& ending) {
    const std::string song = "- " + songNumber(ending.fromTrack) + ": ";
    if (ending.style == "cut") {
        return song + "asked to end with a " + effectWords(ending.asked) + "; " + ending.whyNot +
               ", so it ends at its cut.";
    }
    return song + "ends with " + effectDone(ending, true) + ".";
}

std::string tempoLine(const TempoKeyChange& change) {
    std::vector<std::string> done;
    if (change.speed != 1.0) {
        const double percent = (change.speed - 1.0) * 100.0;
        std::string tempo = change.toBpm ? "played at " + fixedDecimals(*change.toBpm, 1) +
                                               " BPM (from " + fixedDecimals(*change.fromBpm, 1) +
                                               ")"
                                         : "played " + fixedDecimals(std::abs(percent), 1) +
                                               (percent < 0.0 ? " % slower" : " % faster");
        done.push_back(tempo + (change.semitones == 0.0 ? ", pitch unchanged" : ""));
    }
    if (change.semitones != 0.0) {
        const double size = std::abs(change.semitones);
        done.push_back("shifted " + fixedDecimals(size, std::round(size) == size ? 0 : 1) +
                       (size == 1.0 ? " semitone " : " semitones ") +
                       (change.semitones < 0.0 ? "down" : "up") +
                       (change.speed == 1.0 ? ", length unchanged" : ""));
    }
    std::string line = "- " + songNumber(change.track) + ": ";
    for (size_t i = 0; i < done.size(); ++i) line += (i ? "; " : "") + done[i];
    if (!change.whyNot.empty()) {
        std::string asked = change.askedTempo;
        if (!change.askedKey.empty()) asked += (asked.empty() ? "" : " and ") + change.askedKey;
        line += std::string(done.empty() ? "" : "; ") + "asked for " + asked + ", but " +
                change.whyNot + (done.empty() ? ", so it plays as it is" : "");
    }
    return line + ".";
}

// Whether the edit carries out everything the job and the notes asked.
bool everythingAskedDone(const EditNotes& notes) {
    if (!notes.leftOut.empty()) return false;
    if (notes.ending && notes.ending->style != notes.ending->asked) return false;
    const bool tempoDone = std::all_of(notes.tempoChanges.begin(), notes.tempoChanges.end(),
                                       [](const TempoKeyChange& change) {
                                           return change.whyNot.empty();
                                       });
    return tempoDone &&
           std::all_of(notes.joins.begin(), notes.joins.end(), [](const JoinReport& join) {
               return join.asked == "cut" || join.style == join.asked;
           });
}

}  // namespace

std::string effectWords(const std::string& style) {
    if (style == "tapeStop") return "tape stop";
    if (style == "echoOut") return "echo out";
    return style;
}

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
    if (notes.ending) requestLines.push_back(endingLine(*notes.ending));
    for (const TempoKeyChange& change : notes.tempoChanges) requestLines.push_back(tempoLine(change));
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
