#include "app/run/deliverables.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "tests/app/run/run_test_fixture.h"

namespace {

using app::run::copyDeliverableToOutputIfNeeded;
using app::run::freshCompletedAudioFile;
using app::run::latestGeneratedActivityDate;
using app::run::newestAudioFile;

class Deliverables : public ::testing::Test {
protected:
    // A file of `contents` modified `secondsAgo` before now.
    QString file(const QString& relative, const QByteArray& contents, double secondsAgo) {
        return testsupport::writeAgedFile(path(relative), contents, secondsAgo);
    }
    QString path(const QString& relative) const { return QDir(folder).filePath(relative); }

    testsupport::TemporaryFolder temporary;
    QString folder = testsupport::pathOf(temporary);
    const QDateTime runStart = QDateTime::currentDateTimeUtc().addSecs(-60);
};

TEST_F(Deliverables, OnlyAFreshNonEmptyMp3WithFreshNotesCounts) {
    file("old.mp3", "audio", 63);  // before the start's two-second tolerance
    file("edit-notes.md", "notes", 1);
    EXPECT_FALSE(freshCompletedAudioFile(folder, runStart, 0.0));

    file("empty.mp3", "", 1);
    EXPECT_FALSE(freshCompletedAudioFile(folder, runStart, 0.0));

    file("edit.mp3", "audio", 61);  // inside the tolerance
    EXPECT_EQ(freshCompletedAudioFile(folder, runStart, 0.0), path("edit.mp3"));

    file("edit-notes.md", "notes", 70);
    EXPECT_FALSE(freshCompletedAudioFile(folder, runStart, 0.0));
    file("edit-notes.md", "", 1);
    EXPECT_FALSE(freshCompletedAudioFile(folder, runStart, 0.0));
    QFile::remove(path("edit-notes.md"));
    EXPECT_FALSE(freshCompletedAudioFile(folder, runStart, 0.0));
    QDir().mkpath(path("edit-notes.md"));  // a folder is no notes file
    EXPECT_FALSE(freshCompletedAudioFile(folder, runStart, 0.0));
}

TEST_F(Deliverables, WaitsUntilTheMp3AndItsNotesHaveStayedUnchanged) {
    file("edit.mp3", "audio", 10);
    file("edit-notes.md", "notes", 3);
    EXPECT_FALSE(freshCompletedAudioFile(folder, runStart, 5.0));
    EXPECT_EQ(freshCompletedAudioFile(folder, runStart, 2.5), path("edit.mp3"));
    file("edit-notes.md", "notes", 5.5);
    EXPECT_EQ(freshCompletedAudioFile(folder, runStart, 5.0), path("edit.mp3"));

    // A time stamp ahead of the clock (another machine's disk) does not block the last look.
    file("edit-notes.md", "notes", -30);
    EXPECT_EQ(freshCompletedAudioFile(folder, runStart, 0.0), path("edit.mp3"));
    EXPECT_FALSE(freshCompletedAudioFile(folder, runStart, 5.0));
}

TEST_F(Deliverables, PicksTheNewestVisibleAudioFile) {
    file("first.mp3", "audio", 20);
    file("second.WAV", "audio", 10);
    file(".hidden.mp3", "audio", 1);
    file("notes.txt", "text", 1);
    file("edit-notes.md", "notes", 1);
    EXPECT_EQ(freshCompletedAudioFile(folder, runStart, 0.0), path("second.WAV"));
    EXPECT_EQ(newestAudioFile(folder), path("second.WAV"));

    EXPECT_FALSE(newestAudioFile(path("missing")));
    EXPECT_FALSE(freshCompletedAudioFile(path("missing"), runStart, 0.0));
}

TEST_F(Deliverables, CopiesTheMp3AndItsCompanionsOverOlderFiles) {
    const QString output = path("Out/Edits");
    const QString audio = file("Songs/Mix - DJ edit.mp3", "new audio", 8);
    file("Songs/edit-notes.md", "new notes", 8);
    file("Songs/qc-report.json", "{\"new\":true}", 8);
    file("Songs/unrelated.txt", "stays", 8);
    file("Out/Edits/edit-notes.md", "old notes", 100);
    file("Out/Edits/render-stats.json", "old stats", 100);

    const QString copied = copyDeliverableToOutputIfNeeded(audio, output);
    EXPECT_EQ(copied, QDir(output).filePath("Mix - DJ edit.mp3"));
    EXPECT_EQ(runtest::readText(copied), "new audio");
    EXPECT_EQ(runtest::readText(output + "/edit-notes.md"), "new notes");
    EXPECT_EQ(runtest::readText(output + "/qc-report.json"), "{\"new\":true}");
    EXPECT_EQ(runtest::readText(output + "/render-stats.json"), "old stats");  // none to copy
    EXPECT_FALSE(QFile::exists(output + "/unrelated.txt"));
    // The copy keeps its time, so it counts as stable exactly when the original does.
    EXPECT_EQ(QFileInfo(copied).lastModified(), QFileInfo(audio).lastModified());
    EXPECT_EQ(freshCompletedAudioFile(output, runStart, 5.0), copied);

    // Inside the output folder already: unchanged, whatever the spelling of the path, also
    // through a link to the folder.
    EXPECT_EQ(copyDeliverableToOutputIfNeeded(copied, output + "/./"), copied);
    EXPECT_EQ(runtest::readText(copied), "new audio");
    ASSERT_TRUE(QFile::link(path("Songs"), path("Linked")));
    EXPECT_EQ(copyDeliverableToOutputIfNeeded(audio, path("Linked")), audio);
    EXPECT_EQ(runtest::readText(audio), "new audio");
    EXPECT_EQ(runtest::readText(path("Songs/edit-notes.md")), "new notes");
}

TEST_F(Deliverables, ActivityCountsDeepFilesButNeverHiddenOnes) {
    EXPECT_FALSE(latestGeneratedActivityDate({folder, path("missing")}));
    file("Songs/song.mp3", "audio", 300);
    file("Songs/.cache.tmp", "hidden", 1);
    file("Songs/.hidden-folder/stem.wav", "hidden", 1);
    const auto before = latestGeneratedActivityDate({path("Songs"), path("Songs/demix")});
    ASSERT_TRUE(before);
    EXPECT_LT(before->secsTo(QDateTime::currentDateTimeUtc()), 301);
    EXPECT_GT(before->secsTo(QDateTime::currentDateTimeUtc()), 298);

    file("Songs/demix/htdemucs/song/vocals.wav", "stem", 2);
    const auto after = latestGeneratedActivityDate({path("Out"), path("Songs/demix")});
    ASSERT_TRUE(after);
    EXPECT_LE(after->secsTo(QDateTime::currentDateTimeUtc()), 3);
}

class SavedDeliverableProgress : public runtest::RunTest {};

// The rows and the log around it are the agent's grace-period test's (StopRun).
TEST_F(SavedDeliverableProgress, HoldsSaveNearlyFull) {
    state().createSteps = app::run::defaultCreateSteps();
    state().createSteps[4].progress = 0.99;
    view().progress().showSavedDeliverablesProgress("/tmp/out/Mix - DJ edit.mp3");
    EXPECT_EQ(step("save").state, app::run::ProgressRowState::running);
    EXPECT_DOUBLE_EQ(step("save").progress, 0.99);
    EXPECT_TRUE(step("save").detail.startsWith("The 320 kbps MP3 file is saved."));

    state().createSteps[4].progress = 0.2;
    view().progress().showSavedDeliverablesProgress("/tmp/out/Mix - DJ edit.mp3");
    EXPECT_DOUBLE_EQ(step("save").progress, 0.975);
}

}  // namespace
