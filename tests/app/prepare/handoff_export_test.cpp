#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "app/prepare/diagnostics_script.h"
#include "app/prepare/prompt.h"
#include "app/prepare/skill_text.h"
#include "tests/app/support/wizard_test_helpers.h"

namespace {

using testsupport::readText;

class HandoffExport : public testsupport::WizardTest {
protected:
    // A scanned song folder with `count` generated songs.
    QString songFolderWith(int count) {
        const QString folder = wizard.makeFolder("Desktop/Party Songs");
        testsupport::writeSongs(folder, QStringList({"song 1.wav", "song 2.wav"}).mid(0, count),
                                0.2, 0.0);
        return folder;
    }
    void selectScannedFolder(const QString& folder) {
        state().selectedFolder = folder;
        state().usedDirectSongSelection = false;
        view().songs().scanSelectedFolder();
    }
    QString handoffPath(const QString& folder) { return QDir(folder).filePath("Tunewright Setup"); }
};

TEST_F(HandoffExport, WritesTheFourFilesAndReplacesThemOnTheNextExport) {
    const QString folder = songFolderWith(2);
    selectScannedFolder(folder);
    ASSERT_TRUE(view().runs().exportHandoff(true)) << state().status.toStdString();
    const QDir handoff(handoffPath(folder));
    EXPECT_EQ(state().handoffFolder, handoff.path());
    EXPECT_EQ(state().status, "Created standalone edit work files in " + handoff.path());
    EXPECT_TRUE(readText(handoff.filePath("velvetcut-prompt.md"))
                    .contains("[choose the output folder before creating the edit]"));
    EXPECT_TRUE(readText(handoff.filePath("README-FIRST.md"))
                    .contains("Output folder:\n\n[choose the output folder in Tunewright Setup]"));
    testsupport::writeFile(handoff.filePath("fast-time-render-log.txt"), "");  // a run's file

    state().outputFolder = wizard.makeFolder("Desktop/Edits");
    ASSERT_TRUE(view().runs().exportHandoff(true)) << state().status.toStdString();
    EXPECT_EQ(readText(handoff.filePath("velvetcut-prompt.md")),
              app::prepare::buildPrompt(state()));
    EXPECT_EQ(readText(handoff.filePath("run-audio-diagnostics.sh")),
              app::prepare::diagnosticsScript(folder));
    EXPECT_EQ(readText(handoff.filePath("velvetcut-skill/SKILL.md")), app::prepare::skillText());
    // The README names both folders and the files beside it that it tells the person to run.
    const QString readme = readText(handoff.filePath("README-FIRST.md"));
    EXPECT_TRUE(readme.startsWith("# Tunewright Setup\n\nSource folder:\n\n" + folder +
                                  "\n\nOutput folder:\n\n" + *state().outputFolder +
                                  "\n\nStart here:\n\n1. "))
        << readme.toStdString();
    EXPECT_TRUE(
        readme.contains("run `run-audio-diagnostics.sh` if it exists, then open "
                        "`velvetcut-prompt.md`"));
    struct stat info {};
    ASSERT_EQ(::stat(handoff.filePath("run-audio-diagnostics.sh").toStdString().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0755u);
    EXPECT_EQ(handoff.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden, QDir::Name),
              QStringList({"README-FIRST.md", "fast-time-render-log.txt",
                           "run-audio-diagnostics.sh", "velvetcut-prompt.md", "velvetcut-skill"}));
}

TEST_F(HandoffExport, RefusesWithoutAFolderOrSongs) {
    EXPECT_FALSE(view().runs().exportHandoff(true));
    EXPECT_EQ(state().status, "Choose a song folder first.");

    const QString empty = wizard.makeFolder("Desktop/Empty");
    selectScannedFolder(empty);
    EXPECT_FALSE(view().runs().exportHandoff(true));
    EXPECT_EQ(state().status, "No audio files found. Add 1, 2, or 3 songs to the folder first.");
    EXPECT_FALSE(QFileInfo::exists(handoffPath(empty)));
    EXPECT_FALSE(state().handoffFolder.has_value());  // four songs: Create Edit's test
}

TEST_F(HandoffExport, DropsSongsDeletedAfterADirectPick) {
    const QString folder = songFolderWith(2);
    selectScannedFolder(folder);
    state().usedDirectSongSelection = true;
    const QString second = state().tracks[1].url;
    ASSERT_TRUE(QFile::remove(second));

    ASSERT_TRUE(view().runs().exportHandoff(true)) << state().status.toStdString();
    ASSERT_EQ(state().tracks.size(), 1u);
    EXPECT_FALSE(state().songGuidance.contains(second));

    ASSERT_TRUE(QFile::remove(state().tracks[0].url));
    EXPECT_FALSE(view().runs().exportHandoff(true));
    EXPECT_EQ(state().status, "No audio files found. Add 1, 2, or 3 songs to the folder first.");
}

TEST_F(HandoffExport, ReportsAFileInTheWayOfTheHandoffFolder) {
    const QString folder = songFolderWith(1);
    selectScannedFolder(folder);
    testsupport::writeFile(handoffPath(folder), "");  // a file where the folder goes

    EXPECT_FALSE(view().runs().exportHandoff(true));
    EXPECT_TRUE(state().status.startsWith("Could not create music edit setup files: "))
        << state().status.toStdString();
    EXPECT_FALSE(state().handoffFolder.has_value());
}

}  // namespace
