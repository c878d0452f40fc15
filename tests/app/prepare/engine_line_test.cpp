#include "app/prepare/engine_line.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "app/songs/starter_guidance.h"

namespace {

using app::songs::JoinChoice;

struct Song {
    QString note;
    std::optional<JoinChoice> hand;
};

struct Case {
    std::vector<Song> songs;
    QStringList lines;  // one per song
    common::FinalEndingEffect ending = common::FinalEndingEffect::fade;
    std::optional<JoinChoice> handEnding = std::nullopt;
};

// The line under each note as it reads for what the note asks and what was chosen by hand.
TEST(LocalEngineLine, SaysWhatTheEngineDoesWithEachSong) {
    const QString wins = " (your choice in Into song 2 wins over the note)";
    const std::vector<Case> cases = {
        {{{}, {}}, {"Cut into song 2", ""}},
        {{{app::songs::starterGuidance(0, 2), {}}, {}}, {"Cut into song 2", ""}},
        // The note's length as written (a bar counts 4 beats); no length gives 8 beats.
        {{{"blend into song 2 over 2 bars", {}}, {}},
         {"Blend into song 2 over 8 beats, beat-matched", ""}},
        {{{"mix into song 2 over 5 beats", {}}, {}},
         {"Blend into song 2 over 5 beats, beat-matched", ""}},
        {{{"crossfade for 4 seconds", {}}, {}},
         {"Blend into song 2 over 4 seconds, beat-matched", ""}},
        {{{"blend", {}}, {}}, {"Blend into song 2 over 8 beats, beat-matched", ""}},
        {{{"no blend, just cut", JoinChoice::blend8}, {}},
         {"Blend into song 2 over 8 beats, beat-matched" + wins, ""}},
        {{{"blend over 8 beats", JoinChoice::cut}, {}}, {"Cut into song 2" + wins, ""}},
        {{{"blend over 8 beats", JoinChoice::blend8}, {}},
         {"Blend into song 2 over 8 beats, beat-matched", ""}},
        {{{{}, JoinChoice::blend16}, {}}, {"Blend into song 2 over 16 beats, beat-matched", ""}},
        {{{"cut on the bar", {}}, {"end on the downbeat", {}}},
         {"Cut into song 2, on the bar", "Cuts on the bar"}},
        {{{"blend, then start on the first vocal", {}}, {"tape stop at the end", {}}},
         {"Needs AI help: first vocal", "The chosen ending wins over the note's tape stop"}},
        // Effects the note asks: the engine reads them from the note; a hand choice wins.
        {{{"tape stop into song 2, at 128 bpm", {}}, {"pause for 2 beats, up 2 semitones", {}}},
         {"Tape stop into song 2; Plays at 128 BPM", "Key 2 semitones up"}},
        {{{"pause for a beat, then drop song 2", {}}, {"speed up 4 %", {}}},
         {"Pause, then song 2 on its beat", "Plays 4 % faster"}},
        {{{"echo out", JoinChoice::blend8}, {}},
         {"Blend into song 2 over 8 beats, beat-matched" + wins, ""}},
        {{{}, {"blend over 4 beats", {}}, {}},
         {"Cut into song 2", "Blend into song 3 over 4 beats, beat-matched", ""}},
        {{{"blend over 8 beats", JoinChoice::backspin}, {}}, {"Backspin into song 2" + wins, ""}},
        {{{{}, JoinChoice::pause}, {}}, {"Pause, then song 2 on its beat", ""}},
        // The last song's ending while the final ending is Off: the note's effect, or the hand
        // choice over it; a pause or a blend is no ending.
        {{{}, {"end with a backspin", {}}},
         {"Cut into song 2", "Ends with a backspin"},
         common::FinalEndingEffect::none},
        {{{}, {"end with a backspin", {}}},
         {"Cut into song 2", "Ends on its cut (your choice in Ending wins over the note)"},
         common::FinalEndingEffect::none,
         JoinChoice::cut},
        {{{}, {}}, {"Cut into song 2", "Ends with a stutter"}, common::FinalEndingEffect::none,
         JoinChoice::stutter},
        {{{}, {}}, {"Cut into song 2", ""}, common::FinalEndingEffect::none, JoinChoice::pause},
        {{{}, {"pause", {}}}, {"Cut into song 2", ""}, common::FinalEndingEffect::none},
        {{{}, {}}, {"Cut into song 2", ""}, common::FinalEndingEffect::echoFade,
         JoinChoice::tapeStop},
    };
    for (size_t index = 0; index < cases.size(); ++index) {
        app::WizardState state;
        state.finalEndingEffect = cases[index].ending;
        state.endingChoice = cases[index].handEnding;
        for (const Song& song : cases[index].songs) {
            const QString path = QStringLiteral("/%1.mp3").arg(state.tracks.size());
            state.tracks.push_back(app::songs::TrackFile::forPath(path));
            state.songGuidance.insert(path, song.note);
            if (song.hand) state.songJoinChoices.insert(path, *song.hand);
        }
        QStringList lines;
        for (int song = 0; song < static_cast<int>(state.tracks.size()); ++song) {
            lines << app::prepare::localEngineLine(state, song);
        }
        EXPECT_EQ(lines.join(" | ").toStdString(), cases[index].lines.join(" | ").toStdString())
            << "case " << index;
    }
}

}  // namespace
