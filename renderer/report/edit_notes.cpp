#include "renderer/report/edit_notes.h"

#include <array>
#include <charconv>
#include <vector>

#include "common/atomic_file.h"

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
        "The local engine found usable timing and audio-continuity decisions without external "
        "AI assistance.",
        "",
        "Cut points:",
    };
    for (const TrackAnalysis& track : notes.tracks) lines.push_back(songLine(track));
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
