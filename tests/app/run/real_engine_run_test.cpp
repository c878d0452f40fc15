// Create Edit with the real seamforge and the real LAME of the build tree's bundle.

#include <gtest/gtest.h>

#include "app/run/deliverables.h"
#include "tests/app/run/run_test_fixture.h"
#include "tests/support/process_state.h"

namespace {

using runtest::readText;

class RealEngineRun : public runtest::RunTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::exists(bundle() + "/lame"))
            << testsupport::requiredProgramMessage("lame");
        ASSERT_TRUE(QFile::exists(bundle() + "/seamforge"));
    }
    void TearDown() override {
        if (previousTmpdir) {
            qputenv("TMPDIR", *previousTmpdir);
        } else {
            qunsetenv("TMPDIR");
        }
    }

    static QString bundle() {
        return QString::fromStdString(testsupport::bundleBinFolder().string());
    }

    // Two songs of one second of silence and four of tone, each cut to two seconds.
    void pickTwoToneSongs() {
        view().songs().handleAudioFileSelection(
            testsupport::writeSongs(songFolder, {"Song 1.wav", "Song 2.wav"}, 4.0, 1.0));
        ASSERT_EQ(state().tracks.size(), 2u) << state().status.toStdString();
        state().outputFolder = outputFolder;
        for (const auto& track : state().tracks) {
            view().settings().setSongStartTime(track, "0:00");
            view().settings().setSongEndTime(track, "0:02");
        }
    }

    // The child's temporary folder, where the renderer keeps its work folder.
    QString useChildTemporaryFolder() {
        previousTmpdir = qEnvironmentVariableIsSet("TMPDIR")
                             ? std::optional<QByteArray>(qgetenv("TMPDIR"))
                             : std::nullopt;
        const QString folder = wizard.makeFolder("child-tmp");
        qputenv("TMPDIR", folder.toUtf8());
        return folder;
    }

    std::optional<QByteArray> previousTmpdir;
};

TEST_F(RealEngineRun, MakesATwoSongEditEndToEnd) {
    pickTwoToneSongs();
    const QString temporary = useChildTemporaryFolder();
    ASSERT_TRUE(createAndFinish(120));

    EXPECT_EQ(stepStates(), QStringList({"Done", "Done", "Done", "Done", "Done"}))
        << readText(handoffFile("fast-time-render-log.txt")).toStdString();
    EXPECT_EQ(step("save").detail,
              "MP3, edit notes, and QC files saved in the selected output folder.");
    EXPECT_EQ(state().completedOutputFolder, outputFolder);
    EXPECT_EQ(state().status,
              "Complete. Your edit is ready. Click View Edit to open the finished file.");
    EXPECT_EQ(state().createLog,
              "Complete. Standalone local engine finished without AI fallback.\n" + outputFolder);
    EXPECT_FALSE(state().isUsingLocalEngine);

    const auto mp3 = app::run::newestAudioFile(outputFolder);
    ASSERT_TRUE(mp3);
    EXPECT_TRUE(mp3->endsWith(" - continuous DJ edit.mp3")) << mp3->toStdString();
    EXPECT_GT(QFileInfo(*mp3).size(), 10000);
    EXPECT_TRUE(QFile::exists(outputFolder + "/edit-notes.md"));
    EXPECT_TRUE(
        readText(handoffFile("fast-time-render-job.json")).contains("\"endTime\":\"0:02\""));
    EXPECT_TRUE(readText(handoffFile("fast-time-render-log.txt")).contains("LOCAL_RENDER_OK"));
    EXPECT_EQ(readText(handoffFile("codex-last-message.txt")),
              "Complete. Standalone local engine saved the finished MP3 and edit notes in:\n" +
                  outputFolder + "\n");
    EXPECT_TRUE(QDir(temporary).isEmpty());
}

TEST_F(RealEngineRun, StopWhileEncodingEndsTheEngineAndItsWork) {
    const QString resources = useResourceFolder("SlowLameBundle");
    ASSERT_TRUE(QFile::link(bundle() + "/seamforge", resources + "/bin/seamforge"));
    const QString lameStarted = wizard.homePath() + "/lame-started";
    runtest::writeScript(resources + "/bin/lame",
                         "echo $$ > '" + lameStarted.toUtf8() + "'\nexec sleep 30");
    pickTwoToneSongs();
    const QString temporary = useChildTemporaryFolder();

    view().runs().createEdit();
    ASSERT_TRUE(testsupport::waitUntil([&] { return !readText(lameStarted).isEmpty(); }, 60))
        << readText(handoffFile("fast-time-render-log.txt")).toStdString();
    EXPECT_FALSE(QDir(temporary).isEmpty());  // the renderer's work folder
    view().runs().stopCreateEdit();
    ASSERT_TRUE(waitForEnd(10));

    EXPECT_EQ(stepStates().count("Stopped"), 2) << stepStates().join(' ').toStdString();
    EXPECT_EQ(state().status, "Edit stopped. You can go back and make changes.");
    EXPECT_EQ(state().createLog,
              "Edit stopped. Go back to change anything, then click Create Edit again.");
    EXPECT_FALSE(state().completedOutputFolder);
    EXPECT_TRUE(QDir(temporary).isEmpty());
    EXPECT_FALSE(app::run::newestAudioFile(outputFolder));
    EXPECT_TRUE(testsupport::waitForProcessEnd(pidIn(lameStarted)));
    EXPECT_TRUE(readText(handoffFile("fast-time-render-log.txt")).contains("LOCAL_RENDER_FAILED"));
}

}  // namespace
