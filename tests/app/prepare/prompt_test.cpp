#include "app/prepare/prompt.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "app/prepare/handoff_layout.h"
#include "app/prepare/skill_text.h"
#include "app/songs/default_notes.h"
#include "app/songs/edit_options.h"

namespace {

using app::WizardState;
using app::prepare::buildPrompt;
using app::songs::TrackFile;
using common::FinalEndingEffect;

const QString kNoOutputFolder = "[choose the output folder before creating the edit]";
// Every heading line, in order.
const QString kPromptHeadings =
    "# Tunewright Setup|## Source Folder|## Output Folder|## Source Songs|## Continuous Edit Rule|"
    "## Edit Approach|## Timing / Edit Guidance|## Wizard Defaults To Apply Unless Notes Override|"
    "## Final Ending Effect|## Time-Specific Shorten / Fade Rule|## Incoming Song Start Rule|"
    "## Bride Timestamp / Version Offset Rule|## Production Standard|## Background App Rules|"
    "## Analysis Map And Efficiency Rules|## Required Workflow|## Suggested Commands|"
    "## Output Rules";

WizardState twoSongs() {
    WizardState state;
    state.selectedFolder = "/home/dj/Songs";
    state.outputFolder = "/home/dj/Edits";
    state.tracks = {TrackFile::forPath("/home/dj/Songs/a.mp3"),
                    TrackFile::forPath("/home/dj/Songs/b.flac")};
    state.songStartTimes["/home/dj/Songs/a.mp3"] = " 0:05 ";
    state.songEndTimes["/home/dj/Songs/a.mp3"] = "1:04";
    state.songGuidance["/home/dj/Songs/a.mp3"] = "  end after the first chorus ";
    state.songGuidance["/home/dj/Songs/b.flac"] = "   ";
    return state;
}

QString headings(const QString& text) {
    static const QRegularExpression heading(QStringLiteral("^#+ .*$"),
                                            QRegularExpression::MultilineOption);
    QStringList found;
    for (auto it = heading.globalMatch(text); it.hasNext();) found << it.next().captured();
    return found.join('|');
}

// The body under `heading`, up to the next heading of any level.
QString section(const QString& text, const QString& heading) {
    const qsizetype start = text.indexOf("\n" + heading + "\n");
    EXPECT_GE(start, 0) << heading.toStdString();
    const qsizetype bodyStart = start + heading.size() + 2;
    const qsizetype end = text.indexOf("\n#", bodyStart);
    return text.mid(bodyStart, end < 0 ? -1 : end - bodyStart).trimmed();
}

// The numbered list of a section must count 1, 2, 3, ... with no gap or repeat.
void expectNumberedFromOne(const QString& body) {
    static const QRegularExpression item(QStringLiteral("^(\\d+)\\. "),
                                         QRegularExpression::MultilineOption);
    int expected = 1;
    for (auto it = item.globalMatch(body); it.hasNext(); ++expected) {
        ASSERT_EQ(it.next().captured(1).toInt(), expected);
    }
    EXPECT_GT(expected, 10) << "the workflow lost its items";
}

TEST(BuildPrompt, InsertsTheFoldersSongsTimesAndNotesUnderTheirHeadings) {
    const QString prompt = buildPrompt(twoSongs());
    EXPECT_EQ(headings(prompt), kPromptHeadings);
    EXPECT_EQ(section(prompt, "## Source Folder"), "/home/dj/Songs");
    EXPECT_EQ(section(prompt, "## Output Folder"), "/home/dj/Edits");
    EXPECT_EQ(section(prompt, "## Source Songs"),
              "1. a.mp3\n   Path: /home/dj/Songs/a.mp3\n2. b.flac\n   Path: /home/dj/Songs/b.flac");
    EXPECT_TRUE(section(prompt, "## Continuous Edit Rule").startsWith("There are 2 source songs."));
    EXPECT_EQ(section(prompt, "## Edit Approach"),
              "Time Based Edit\n\n" +
                  app::songs::promptInstruction(app::songs::EditTimingMode::timeBased));

    // Trimmed times and notes; an empty field reads 0:00, "not provided" or the no-note text.
    const QStringList guidance = section(prompt, "## Timing / Edit Guidance").split('\n');
    ASSERT_EQ(guidance.size(), 2);
    EXPECT_TRUE(
        guidance[0].startsWith("1. a.mp3: Start time target: 0:05. End time target: 1:04."));
    EXPECT_TRUE(guidance[0].endsWith(". Notes: end after the first chorus"));
    EXPECT_TRUE(guidance[1].startsWith(
        "2. b.flac: Start time target: 0:00. End time target: not provided."));
    EXPECT_TRUE(guidance[1].endsWith(". Notes: " + app::songs::noNoteGuidance(1, 2)));
    EXPECT_EQ(section(prompt, "## Wizard Defaults To Apply Unless Notes Override"),
              "1. a.mp3: " + app::songs::wizardDefaultGuidance(0, 2) +
                  "\n2. b.flac: " + app::songs::wizardDefaultGuidance(1, 2));

    // The output folder is named where it is introduced, where the workflow creates it and last.
    EXPECT_EQ(prompt.count("/home/dj/Edits"), 3);
    EXPECT_TRUE(prompt.endsWith("\n\n`/home/dj/Edits`"));
    expectNumberedFromOne(section(prompt, "## Required Workflow"));
    // The paragraphs without a heading of their own.
    EXPECT_TRUE(section(prompt, "## Production Standard").contains("use a fast practical path"));
    EXPECT_TRUE(
        section(prompt, "## Analysis Map And Efficiency Rules").contains("map.json` compact"));
    EXPECT_TRUE(section(prompt, "## Required Workflow").contains("\n11. Use the fast Time Based"));
}

// A join chosen on screen reaches the agent after the note; the last song has none, and its
// ending only while the final ending is Off.
TEST(BuildPrompt, NamesTheJoinAndEndingChosenInTheApp) {
    for (const auto& [choice, join] : std::vector<std::pair<app::songs::JoinChoice, QString>>{
             {app::songs::JoinChoice::cut, "a plain cut"},
             {app::songs::JoinChoice::blend16, "a beat-matched blend over 16 beats"},
             {app::songs::JoinChoice::pause, "a pause of one beat, then the next song on its beat"}}) {
        WizardState state = twoSongs();
        state.endingChoice = app::songs::JoinChoice::tapeStop;
        state.songJoinChoices.insert("/home/dj/Songs/a.mp3", choice);
        state.songJoinChoices.insert("/home/dj/Songs/b.flac", choice);
        const QStringList guidance =
            section(buildPrompt(state), "## Timing / Edit Guidance").split('\n');
        ASSERT_EQ(guidance.size(), 2);
        EXPECT_TRUE(guidance[0].endsWith(
            ". Notes: end after the first chorus Join into song 2, chosen in the app over anything "
            "the note says: " +
            join + "."))
            << guidance[0].toStdString();
        EXPECT_TRUE(guidance[1].endsWith(". Notes: " + app::songs::noNoteGuidance(1, 2)));
    }
    WizardState state = twoSongs();
    state.endingChoice = app::songs::JoinChoice::tapeStop;
    state.finalEndingEffect = common::FinalEndingEffect::none;
    const QString guidance = section(buildPrompt(state), "## Timing / Edit Guidance");
    EXPECT_TRUE(guidance.endsWith(
        "Its ending, chosen in the app over anything the note says: a tape stop (the song slows "
        "to a stop, pitch falling, over its last beat)."))
        << guidance.toStdString();
}

TEST(BuildPrompt, WithoutFoldersOrSongsUsesPlaceholdersUnderTheSameHeadings) {
    const QString prompt = buildPrompt(WizardState());
    EXPECT_EQ(headings(prompt), kPromptHeadings);
    EXPECT_EQ(section(prompt, "## Source Folder"), "[choose the folder containing the songs]");
    EXPECT_EQ(section(prompt, "## Source Songs"), "- No songs scanned yet.");
    EXPECT_TRUE(section(prompt, "## Continuous Edit Rule").startsWith("The folder should contain"));
    EXPECT_TRUE(section(prompt, "## Timing / Edit Guidance").startsWith("No specific times"));
    EXPECT_EQ(prompt.count(kNoOutputFolder), 3);
    EXPECT_TRUE(prompt.endsWith("`" + kNoOutputFolder + "`"));
}

// The agent is told the same ending the local renderer would make.
TEST(BuildPrompt, TheEndingSectionFollowsTheChosenEffectAndItsTail) {
    WizardState state = twoSongs();
    for (const FinalEndingEffect effect : common::kAllFinalEndingEffects) {
        state.finalEndingEffect = effect;
        const QString rule = section(buildPrompt(state), "## Final Ending Effect");
        EXPECT_EQ(rule, app::prepare::endingEffectRule(effect));
        const QString tail =
            QString("about %1 additional seconds").arg(common::tailSeconds(effect));
        EXPECT_EQ(rule.contains(tail), effect != FinalEndingEffect::none) << rule.toStdString();
    }
}

// The texts name the hand-off files by the names the export writes them under.
TEST(SkillText, KeepsItsSectionsAndNamesTheHandoffFilesAndTails) {
    const QString skill = app::prepare::skillText();
    EXPECT_TRUE(skill.startsWith("---\nname: velvetcut\ndescription: "));
    EXPECT_EQ(headings(skill),
              "# Velvetcut|## When To Use|## First Questions|## Tooling|## App Handoff Defaults|"
              "## Production Standard|## Analysis Map And Efficiency|## Workflow|## Default");
    expectNumberedFromOne(section(skill, "## Workflow").section("Useful commands:", 0, 0));
    EXPECT_TRUE(skill.contains(QString("a fade for about %1 seconds after the endpoint, an "
                                       "echo/fade for about %2 seconds")
                                   .arg(common::tailSeconds(FinalEndingEffect::fade))
                                   .arg(common::tailSeconds(FinalEndingEffect::echoFade))));

    using namespace app::prepare;
    const QString diagnostics = handoffFolderName + "/" + diagnosticsScriptFileName;
    EXPECT_TRUE(skill.contains("`bash \"" + diagnostics + "\"`"));
    EXPECT_TRUE(buildPrompt(twoSongs()).contains("`bash \"" + diagnostics + "\"`"));
    for (const QString& name : {promptFileName, renderJobFileName, renderLogFileName}) {
        EXPECT_TRUE(skill.contains("`" + name + "`")) << name.toStdString();
    }
}

}  // namespace
