// The actions behind the window's buttons that are not another subsystem's:
// start-up, View Edit, the folder reveals, Create Another Edit, Back and Back to Setup.

#include <gtest/gtest.h>

#include "tests/app/support/wizard_test_helpers.h"

namespace {

using ScreenActionsTest = testsupport::WizardTest;
using testsupport::writeAgedFile;

TEST_F(ScreenActionsTest, StartUp_RestoresThePreferencesAndStartsTheToolCheck) {
    desktop().preferences["tunewrightFinalEndingEffect"] = "echoFade";
    view().startUp();
    EXPECT_EQ(state().finalEndingEffect, common::FinalEndingEffect::echoFade);
    EXPECT_TRUE(state().isCheckingTools);
}

TEST_F(ScreenActionsTest, ViewEdit_ShowsTheNewestAudioFileOrElseTheFolder) {
    view().viewCreatedEdit();
    EXPECT_EQ(state().status, "Choose an output folder first.");
    EXPECT_TRUE(desktop().revealedPaths.empty());

    const QString output = wizard.makeFolder("Desktop/Out");
    state().outputFolder = output;
    view().viewCreatedEdit();
    ASSERT_EQ(desktop().revealedPaths.size(), 1u);
    EXPECT_EQ(desktop().revealedPaths.back(), output);
    EXPECT_EQ(state().status, "Complete. Showing the output folder in the file manager.");

    // Which audio file is the newest is the deliverables' test.
    const QString edit = writeAgedFile(output + "/newer - DJ edit.MP3", "x", 10);
    view().viewCreatedEdit();
    EXPECT_EQ(desktop().revealedPaths.back(), edit);
    EXPECT_EQ(state().status, "Complete. Showing the finished edit in the file manager.");

    // The completed run's folder wins over a later choice of output folder.
    const QString completed = wizard.makeFolder("Desktop/Done");
    const QString finished = writeAgedFile(completed + "/a - DJ edit.mp3", "x", 300);
    state().completedOutputFolder = completed;
    view().viewCreatedEdit();
    EXPECT_EQ(desktop().revealedPaths.back(), finished);
}

TEST_F(ScreenActionsTest, FolderReveals_NeedTheirFolders) {
    view().showSongFolder();
    view().showWorkFolder();
    EXPECT_EQ(state().status, "Choose a folder first.");
    EXPECT_TRUE(desktop().revealedPaths.empty());
    state().selectedFolder = wizard.makeFolder("Desktop/Set");
    state().handoffFolder = *state().selectedFolder + "/Tunewright Setup";
    view().showSongFolder();
    view().showWorkFolder();
    EXPECT_EQ(desktop().revealedPaths,
              (std::vector<QString>{*state().selectedFolder, *state().handoffFolder}));
}

TEST_F(ScreenActionsTest, LeavingTheProgressScreen) {
    state().isCheckingTools = true;  // no tool check from clearSongs
    state().selectedFolder = wizard.makeFolder("Desktop/Set");
    state().showCreateProgressScreen = true;
    state().completedOutputFolder = QStringLiteral("/out");

    view().backToSetup();
    EXPECT_FALSE(state().showCreateProgressScreen);
    EXPECT_EQ(state().completedOutputFolder, QStringLiteral("/out"));  // only the screen changes
    EXPECT_TRUE(state().selectedFolder.has_value());

    // Back and Create Another Edit are refused while an edit runs: its engine would be forgotten.
    state().showCreateProgressScreen = true;
    state().isCreatingEdit = true;
    view().progress().backToInstructions();
    EXPECT_TRUE(state().showCreateProgressScreen);
    view().createAnotherEdit();
    EXPECT_TRUE(state().showCreateProgressScreen);
    EXPECT_TRUE(state().selectedFolder.has_value());
    EXPECT_EQ(state().status, "Stop the edit before going back to change the setup.");

    state().isCreatingEdit = false;
    view().createAnotherEdit();
    EXPECT_FALSE(state().showCreateProgressScreen || state().selectedFolder ||
                 state().completedOutputFolder);
}

}  // namespace
