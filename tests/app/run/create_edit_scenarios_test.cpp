// Create Edit after the ordinary things a person does first (pick, move, narrow,
// delete, stop), judged by the job file the run writes and by what the wizard says.

#include <gtest/gtest.h>

#include <QJsonArray>

#include "app/songs/starter_guidance.h"
#include "tests/app/run/run_test_fixture.h"

namespace {

using runtest::writeFile;

class CreateEditScenario : public runtest::RunTest {
protected:
    // An engine that fails at once: the job file it is given is the subject.
    CreateEditScenario() { useFakeEngine("exit 2", true); }
    QStringList writeSongs(const QStringList& names) {
        return testsupport::writeSongs(songFolder, names, 0.3, 0.0);
    }
    // The file names and the notes of the job's songs, in play order.
    QStringList jobFileNames() const {
        QStringList names;
        for (const QJsonValue& track : job()["tracks"].toArray()) {
            names << QFileInfo(track["path"].toString()).fileName();
        }
        return names;
    }
    QStringList jobNotes() const {
        QStringList notes;
        for (const QJsonValue& track : job()["tracks"].toArray()) notes << track["note"].toString();
        return notes;
    }

    void createWithOutputFolder() {
        state().outputFolder = outputFolder;
        ASSERT_TRUE(createAndFinish()) << state().status.toStdString();
    }
};

TEST_F(CreateEditScenario, AMovedFolderOrderStillLosesASongDeletedBeforeCreateEdit) {
    const QStringList songs = writeSongs({"a.wav", "b.wav", "c.wav"});
    pickSongFolder(songFolder);
    view().songs().moveTrack(2, -2);  // c, b, a
    view().settings().setSongGuidanceText(state().tracks[1], "Cut on the downbeat");
    QFile::remove(songs[0]);
    createWithOutputFolder();

    EXPECT_EQ(jobFileNames(), QStringList({"c.wav", "b.wav"}));
    EXPECT_EQ(jobNotes(), QStringList({"", "Cut on the downbeat"}));
}

TEST_F(CreateEditScenario, NarrowingThreePickedSongsToTwoDropsTheirThreeSongDefaults) {
    const QStringList songs = writeSongs({"one.wav", "two.wav", "three.wav"});
    pickSongFiles(songs);
    ASSERT_EQ(state().tracks.size(), 3u);

    pickSongFiles({songs[0], songs[1]});
    createWithOutputFolder();

    EXPECT_EQ(jobFileNames(), QStringList({"one.wav", "two.wav"}));
    // A three-song default in the job would be read as a typed "End time" and a digit.
    EXPECT_EQ(jobNotes(), QStringList({"", ""}));
    EXPECT_EQ(view().settings().songGuidanceText(state().tracks[1]),
              app::songs::starterGuidance(1, 2));
}

TEST_F(CreateEditScenario, ASongDeletedFromAScannedFolderLeavesNoStaleDefault) {
    const QStringList songs = writeSongs({"one.wav", "two.wav", "three.wav"});
    pickSongFolder(songFolder);
    view().settings().setSongGuidanceText(state().tracks[0], "Keep the intro");
    QFile::remove(songs[1]);
    createWithOutputFolder();

    EXPECT_EQ(jobFileNames(), QStringList({"one.wav", "three.wav"}));
    EXPECT_EQ(jobNotes(), QStringList({"Keep the intro", ""}));
    EXPECT_EQ(view().settings().songGuidanceText(state().tracks[1]),
              app::songs::starterGuidance(1, 2));
}

TEST_F(CreateEditScenario, AnAgentRequestBesideANegatedClauseIsNotMadeLocally) {
    pickSongFiles(writeSongs({"one.wav", "two.wav"}));
    view().settings().setSongGuidanceText(state().tracks[1], "start on the first vocal, no gap");
    createWithOutputFolder();
    EXPECT_FALSE(QFile::exists(handoffFile("fast-time-render-job.json")));
    const QString refusal = "AI assist is set to Local Only.";
    EXPECT_EQ(stepStates(), QStringList({"Done", "Needs Attention", "Needs Attention", "Waiting",
                                         "Needs Attention"}));
    EXPECT_EQ(step("analyze").detail, "The background editing engine was not found.");
    EXPECT_TRUE(step("cuts").detail.startsWith(refusal));
    EXPECT_TRUE(state().createLog.contains("AI fallback: song 2 note asks for an effect"));
    EXPECT_TRUE(state().createLog.contains("\n" + refusal));
    EXPECT_EQ(state().status, "The local engine needs AI help for this edit.");

    view().progress().backToInstructions();
    view().settings().setSongGuidanceText(state().tracks[1], "no pause, just cut");
    createWithOutputFolder();
    EXPECT_EQ(jobNotes(), QStringList({"", "no pause, just cut"}));
}

TEST_F(CreateEditScenario, AToolCheckEndingAfterStopLeavesTheStoppedStatus) {
    useFakeEngine("echo started\nexec sleep 30", true);
    state().isCheckingTools = false;
    pickSongFiles(writeSongs({"one.wav"}));
    ASSERT_TRUE(state().isCheckingTools);  // the pick started the check
    state().outputFolder = outputFolder;
    view().runs().createEdit();
    ASSERT_TRUE(testsupport::waitUntil([&] { return state().createLog.contains("scanning"); }, 10));
    ASSERT_TRUE(state().isCheckingTools) << "the check ended before Stop";
    view().runs().stopCreateEdit();
    ASSERT_TRUE(waitForEnd(10));

    ASSERT_TRUE(testsupport::waitUntil([&] { return !state().isCheckingTools; }, 60));
    EXPECT_FALSE(state().toolChecks.empty());
    EXPECT_EQ(state().status, "Edit stopped. You can go back and make changes.");
}

}  // namespace
