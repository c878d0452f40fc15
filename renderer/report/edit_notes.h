#pragma once
// The Markdown edit notes ("edit-notes.md") that accompany a finished edit. Numbers use
// "." as the decimal separator whatever the process locale.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/final_ending_effect.h"
#include "renderer/join/tempo_and_key.h"
#include "renderer/report/render_report.h"

namespace renderer {

struct EditNotes {
    std::string outputFileName;  // the MP3's file name, without its folder
    double durationSeconds = 0.0;
    common::FinalEndingEffect effect = common::FinalEndingEffect::none;
    std::span<const TrackAnalysis> tracks;
    std::span<const JoinReport> joins;
    std::span<const LeftOutRequest> leftOut;
    std::optional<JoinReport> ending;              // the last song's effect
    std::span<const TempoKeyChange> tempoChanges;  // per song with a tempo or key asked
};

// An effect's style name ("tapeStop") as a person says it ("tape stop").
std::string effectWords(const std::string& style);

// The whole text: lines joined by "\n", with exactly one "\n" after the last line.
std::string editNotesText(const EditNotes& notes);

// Replaces `path` atomically; throws std::system_error with the platform's reason.
void writeEditNotes(const EditNotes& notes, const std::filesystem::path& path);

}  // namespace renderer
