#include "app/prepare/prompt.h"

#include <QStringList>

#include "app/prepare/prompt_rules.h"
#include "app/prepare/song_join.h"
#include "app/songs/default_notes.h"
#include "app/songs/edit_options.h"

namespace app::prepare {
namespace {

int songCount(const WizardState& state) { return static_cast<int>(state.tracks.size()); }

QString sourceFolderText(const WizardState& state) {
    return state.selectedFolder.value_or(
        QStringLiteral("[choose the folder containing the songs]"));
}

QString outputFolderText(const WizardState& state) {
    return state.outputFolder.value_or(
        QStringLiteral("[choose the output folder before creating the edit]"));
}

QString titleAndIntro() {
    return QStringLiteral(
        "# Tunewright Setup\n\nYou are helping create one continuous, DJ-ready music edit from a "
        "folder of source songs.\n\n## Source Folder\n\n");
}

QString heading(const QString& title) {
    return QStringLiteral("\n\n## ") + title + QStringLiteral("\n\n");
}

QString songList(const WizardState& state) {
    if (state.tracks.empty()) return QStringLiteral("- No songs scanned yet.");
    QStringList entries;
    int number = 1;
    for (const songs::TrackFile& track : state.tracks) {
        entries << QString::number(number++) + QStringLiteral(". ") + track.name() +
                       QStringLiteral("\n   Path: ") + track.url;
    }
    return entries.join(QLatin1Char('\n'));
}

QString continuousEditRule(int count) {
    switch (count) {
        case 1:
            return QStringLiteral(
                "There is 1 source song. Create one polished one-song output using the note as "
                "approximate trim/section guidance.");
        case 2:
            return QStringLiteral(
                "There are 2 source songs. Create one continuous output that moves naturally from "
                "song 1 into song 2.");
        case 3:
            return QStringLiteral(
                "There are 3 source songs. Create one continuous output that moves naturally from "
                "song 1 into song 2 into song 3.");
        default:
            return QStringLiteral(
                "The folder should contain 1, 2, or 3 songs. If it does not, stop and ask the user "
                "which files to use.");
    }
}

QString editApproachHeading() {
    return QStringLiteral("\n\n## Edit Approach\n\nTime Based Edit\n\n");
}

// The agent's words for a join or an ending chosen on screen.
QString handJoinWords(songs::JoinChoice choice) {
    using songs::JoinChoice;
    switch (choice) {
        case JoinChoice::cut:
            return QStringLiteral("a plain cut");
        case JoinChoice::tapeStop:
            return QStringLiteral("a tape stop (the song slows to a stop, pitch falling, over its last beat)");
        case JoinChoice::backspin:
            return QStringLiteral("a backspin (the song's last moments played backwards, about 2 beats)");
        case JoinChoice::scratch:
            return QStringLiteral("a record scratch of the song's last beat");
        case JoinChoice::pause:
            return QStringLiteral("a pause of one beat, then the next song on its beat");
        case JoinChoice::stutter:
            return QStringLiteral("a stutter (the last beat cut into ever shorter repeats)");
        case JoinChoice::echoOut:
            return QStringLiteral("an echo out of the last beat under the next song");
        default:
            return QStringLiteral("a beat-matched blend over %1 beats").arg(songs::blendBeats(choice));
    }
}

// The join or ending chosen on screen, which the note alone would not tell the agent.
QString handJoinSentence(const WizardState& state, int index) {
    const std::optional<songs::JoinChoice> chosen = jobTransition(state, index);
    if (!chosen) return {};
    if (index + 1 >= songCount(state)) {
        return QStringLiteral(" Its ending, chosen in the app over anything the note says: %1.")
            .arg(handJoinWords(*chosen));
    }
    return QStringLiteral(" Join into song %1, chosen in the app over anything the note says: %2.")
        .arg(index + 2)
        .arg(handJoinWords(*chosen));
}

QString guidanceLine(const WizardState& state, int index) {
    const songs::TrackFile& track = state.tracks[static_cast<size_t>(index)];
    QString note = state.songGuidance.value(track.url).trimmed();
    if (note.isEmpty()) note = songs::noNoteGuidance(index, songCount(state));
    QString start = state.songStartTimes.value(track.url).trimmed();
    if (start.isEmpty()) start = QStringLiteral("0:00");
    QString end = state.songEndTimes.value(track.url).trimmed();
    if (end.isEmpty()) end = QStringLiteral("not provided");

    return QString::number(index + 1) + QStringLiteral(". ") + track.name() +
           QStringLiteral(": Start time target: ") + start + QStringLiteral(". End time target: ") +
           end +
           QStringLiteral(
               ". Treat these as tight normalized music-time targets after "
               "first-note/opening-downbeat normalization. Stay almost exact and snap only to the "
               "nearest clean beat, bar, downbeat, or zero-crossing needed for a musical cut. If "
               "the end target is at the end of a vocal line or instrumental beat, cut before the "
               "next lyric line starts. Do not continue into the next lyric, next chorus, or next "
               "section just to complete a longer phrase. This Time Based instruction overrides "
               "any default note that says to play through a first complete chorus/hook. Notes: ") +
           note + handJoinSentence(state, index);
}

QString guidanceLines(const WizardState& state) {
    if (state.tracks.empty()) {
        return QStringLiteral(
            "No specific times or general edit idea was provided. Analyze the songs and choose the "
            "best musical transition area.");
    }
    QStringList lines;
    for (int index = 0; index < songCount(state); ++index) lines << guidanceLine(state, index);
    return lines.join(QLatin1Char('\n'));
}

QString wizardDefaultLines(const WizardState& state) {
    if (state.tracks.empty()) {
        return QStringLiteral("Apply the standard phrase-complete first-chorus workflow.");
    }
    QStringList lines;
    for (int index = 0; index < songCount(state); ++index) {
        lines << QString::number(index + 1) + QStringLiteral(". ") +
                     state.tracks[static_cast<size_t>(index)].name() + QStringLiteral(": ") +
                     songs::wizardDefaultGuidance(index, songCount(state));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString endingEffectRule(common::FinalEndingEffect effect) {
    switch (effect) {
        case common::FinalEndingEffect::none:
            return QStringLiteral(
                "Do not add a final fade-out or echo tail unless the song notes explicitly ask for "
                "one. End on the final clean phrase ending.");
        case common::FinalEndingEffect::fade:
            return QStringLiteral(
                "Apply the final fade-out only at the ending of the finished edit. Choose the "
                "final "
                "clean endpoint first, then begin the fade exactly at that endpoint and continue "
                "fading for about 2 additional seconds. Do not start fading before the chosen "
                "endpoint, because that can make the ending feel cut off. If a song note gives a "
                "specific fade/shorten time such as `2:00 Shorten`, use that as the approximate "
                "endpoint area: finish the verse, chorus, lyric line, or musical phrase near that "
                "time, start the fade at that resolved endpoint, and render roughly 2 more seconds "
                "while fading. This is only the ending of the finished edit, not a fade or "
                "crossfade between songs.");
        case common::FinalEndingEffect::echoFade:
            return QStringLiteral(
                "Apply an echo/fade ending only at the ending of the finished edit. The buyer will "
                "normally place the endpoint immediately after the last word they want repeated. "
                "Use the short audio just before that endpoint as the one-word repeat source, then "
                "after the endpoint echo that last word softly while fading out, like `me, me, "
                "me`. Let the repeated word tail fade for about 4 additional seconds. Keep the "
                "repeats gentle and lower in volume so the effect sounds like a polished "
                "DJ/radio-style tail, not a loud obvious copy or transition effect. Do not start "
                "the fade or echo before the chosen endpoint, and do not keep playing into a new "
                "lyric or section after the endpoint.");
    }
    return {};
}

QString buildPrompt(const WizardState& state) {
    const QString output = outputFolderText(state);
    QString prompt;
    prompt += titleAndIntro();
    prompt += sourceFolderText(state);
    prompt += heading(QStringLiteral("Output Folder"));
    prompt += output;
    prompt += heading(QStringLiteral("Source Songs"));
    prompt += songList(state);
    prompt += heading(QStringLiteral("Continuous Edit Rule"));
    prompt += continuousEditRule(songCount(state));
    prompt += editApproachHeading();
    prompt += songs::promptInstruction(songs::EditTimingMode::timeBased);
    prompt += heading(QStringLiteral("Timing / Edit Guidance"));
    prompt += guidanceLines(state);
    prompt += heading(QStringLiteral("Wizard Defaults To Apply Unless Notes Override"));
    prompt += wizardDefaultLines(state);
    prompt += heading(QStringLiteral("Final Ending Effect"));
    prompt += endingEffectRule(state.finalEndingEffect);
    prompt += endingAndEntranceRules();
    prompt += fastPathParagraph();
    prompt += backgroundAppRules();
    prompt += compactAnalysisMapParagraph();
    prompt += joinCheckAndWorkflowStart();
    prompt += output;
    prompt += workflowMiddle();
    prompt += localEngineBasedPathItem();
    prompt += workflowEndCommandsAndOutputRules();
    prompt += output;
    prompt += QStringLiteral("`");
    return prompt;
}

}  // namespace app::prepare
