#include "app/prepare/prompt.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "app/prepare/skill_text.h"
#include "app/songs/default_notes.h"
#include "app/songs/edit_options.h"

namespace {

using app::WizardState;
using app::prepare::buildPrompt;
using app::songs::noNoteGuidance;
using app::songs::TrackFile;
using app::songs::wizardDefaultGuidance;

const QString kNoOutputFolder = "[choose the output folder before creating the edit]";

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

// Fails at the first piece that is missing or out of order.
void expectInOrder(const QString& text, const QStringList& pieces) {
    qsizetype from = 0;
    for (const QString& piece : pieces) {
        const qsizetype at = text.indexOf(piece, from);
        ASSERT_GE(at, 0) << "missing or out of order: " << piece.toStdString();
        from = at + piece.size();
    }
}

QStringList workflowItemNumbers(const QString& text, const QString& section,
                                const QString& nextSection) {
    const qsizetype start = text.indexOf(section);
    const qsizetype end = text.indexOf(nextSection, start);
    EXPECT_GE(start, 0);
    EXPECT_GT(end, start);
    const QString body = text.mid(start, end - start);
    QStringList numbers;
    static const QRegularExpression item(QStringLiteral("^(\\d+)\\. "),
                                         QRegularExpression::MultilineOption);
    for (auto it = item.globalMatch(body); it.hasNext();) numbers << it.next().captured(1);
    return numbers;
}

QStringList oneToTwentySeven() {
    QStringList numbers;
    for (int n = 1; n <= 27; ++n) numbers << QString::number(n);
    return numbers;
}

TEST(BuildPrompt, OpensWithFoldersSongsAndTheCountRule) {
    const QString prompt = buildPrompt(twoSongs());
    const QString head =
        "# Tunewright Setup\n\nYou are helping create one continuous, DJ-ready music edit from a "
        "folder of source songs.\n\n## Source Folder\n\n/home/dj/Songs\n\n## Output Folder\n\n"
        "/home/dj/Edits\n\n## Source Songs\n\n1. a.mp3\n   Path: /home/dj/Songs/a.mp3\n2. b.flac\n"
        "   Path: /home/dj/Songs/b.flac\n\n## Continuous Edit Rule\n\nThere are 2 source songs. "
        "Create one continuous output that moves naturally from song 1 into song 2.\n\n"
        "## Edit Approach\n\nTime Based Edit\n\n" +
        app::songs::promptInstruction(app::songs::EditTimingMode::timeBased) +
        "\n\n## Timing / Edit Guidance\n\n1. a.mp3: Start time target: 0:05. End time target: "
        "1:04.";
    EXPECT_TRUE(prompt.startsWith(head)) << prompt.left(head.size() + 40).toStdString();
}

TEST(BuildPrompt, GuidanceUsesTheNoNoteTextAndNotProvidedForEmptyFields) {
    const QString prompt = buildPrompt(twoSongs());
    EXPECT_TRUE(
        prompt.contains(". Notes: end after the first chorus\n2. b.flac: Start time target: "
                        "0:00. End time target: not provided. Treat these"));
    EXPECT_TRUE(prompt.contains(
        "Notes: " + noNoteGuidance(1, 2) +
        "\n\n## Wizard Defaults To Apply Unless Notes Override\n\n1. a.mp3: " +
        wizardDefaultGuidance(0, 2) + "\n2. b.flac: " + wizardDefaultGuidance(1, 2) +
        "\n\n## Final Ending Effect\n\n"));
}

TEST(BuildPrompt, CarriesEveryBlockInOrder) {
    WizardState state = twoSongs();
    state.finalEndingEffect = common::FinalEndingEffect::none;
    const QString prompt = buildPrompt(state);
    expectInOrder(
        prompt,
        {"## Timing / Edit Guidance", "## Wizard Defaults To Apply Unless Notes Override",
         "## Final Ending Effect\n\nDo not add a final fade-out or echo tail unless the song notes "
         "explicitly ask for one. End on the final clean phrase ending.\n\n"
         "## Time-Specific Shorten / Fade Rule\n\n",
         "\n\n## Incoming Song Start Rule\n\n", "\n\n## Bride Timestamp / Version Offset Rule\n\n",
         "\n\n## Production Standard\n\n",
         "\n\nFor Time Based Edit with typed start/end targets, use a fast practical path first.",
         "\n\n## Background App Rules\n\n",
         "\n\n## Analysis Map And Efficiency Rules\n\nFor clear Time Based edits, keep "
         "`analysis-map.json` compact:",
         "\n\n## Required Workflow\n\n1. ",
         "Create the output folder if it does not already exist: `/home/dj/Edits`.\n3. ",
         "\n11. Use the fast Time Based path first:",
         "\n\n## Suggested Commands\n\n- Diagnose songs and setup, only when the background app "
         "created this helper: `bash \"Tunewright Setup/run-audio-diagnostics.sh\"`\n",
         "- If the bundled local renderer or bundled LAME encoder is missing, tell the buyer to "
         "reinstall Tunewright or contact support.",
         "\n\n## Output Rules\n\nSave all generated files inside:\n\n`/home/dj/Edits`"});
    EXPECT_TRUE(prompt.endsWith("inside:\n\n`/home/dj/Edits`"));
    EXPECT_EQ(workflowItemNumbers(prompt, "## Required Workflow", "## Suggested Commands"),
              oneToTwentySeven());
}

TEST(BuildPrompt, WithoutFoldersOrSongsUsesPlaceholdersInTheSameOrder) {
    WizardState state;
    state.finalEndingEffect = common::FinalEndingEffect::fade;
    const QString prompt = buildPrompt(state);
    EXPECT_EQ(prompt.count(kNoOutputFolder), 3);
    expectInOrder(
        prompt,
        {"## Source Folder\n\n[choose the folder containing the songs]\n\n",
         "## Output Folder\n\n" + kNoOutputFolder, "## Source Songs\n\n- No songs scanned yet.\n\n",
         "## Continuous Edit Rule\n\nThe folder should contain 1, 2, or 3 songs. If it "
         "does not, stop and ask the user which files to use.\n\n",
         "## Timing / Edit Guidance\n\nNo specific times or general edit idea was "
         "provided. Analyze the songs and choose the best musical transition area.\n\n",
         "Override\n\nApply the standard phrase-complete first-chorus workflow.\n\n",
         "## Final Ending Effect\n\nApply the final fade-out only at the ending of the "
         "finished edit.",
         "## Required Workflow", "## Output Rules"});
    EXPECT_TRUE(prompt.endsWith("`" + kNoOutputFolder + "`"));

    state.finalEndingEffect = common::FinalEndingEffect::echoFade;
    EXPECT_TRUE(buildPrompt(state).contains(
        "Let the repeated word tail fade for about 4 additional seconds."));
}

TEST(SkillText, OpensWithFrontMatterAndKeepsItsSectionsInOrder) {
    const QString skill = app::prepare::skillText();
    EXPECT_TRUE(skill.startsWith(
        "---\nname: velvetcut\ndescription: Use when a user wants Codex to create a continuous, "
        "professional DJ-ready or radio-ready music edit from a folder containing 1 to 3 songs, "
        "with clean natural transitions, phrase-complete joins, and no gaps, transition fades, or "
        "crossfades by default.\n---\n\n# Velvetcut\n\nThis skill gives Codex the repeatable "
        "fallback workflow for continuous audio edits when Tunewright asks for extra help beyond "
        "the bundled local renderer.\n"));
    expectInOrder(skill,
                  {"\n## When To Use\n", "\n## First Questions\n", "\n## Tooling\n",
                   "\n## App Handoff Defaults\n", "\n## Production Standard\n",
                   "\n## Analysis Map And Efficiency\n", "\n## Workflow\n", "\n## Default\n"});
    EXPECT_EQ(workflowItemNumbers(skill, "\n## Workflow\n", "Useful commands:"),
              oneToTwentySeven());
    EXPECT_GT(skill.size(), 15000);
    EXPECT_LT(skill.size(), 19000);
}

}  // namespace
