#include "app/songs/media_library_paths.h"
#include "tests/app/songs/song_test_fixture.h"

namespace {

using songtest::SongTest;

const QString kBlockedSongs = "Move or copy the audio files to Desktop, Downloads, or Documents";
const QString kStepTwo = "Step 2 complete. Add timing notes, then choose an output folder.";
const QString kUnsupportedReplacement = "Choose a supported audio file: MP3, WAV, AIFF,";
const QString kNotAFolder = "Choose a regular folder that contains 1, 2, or 3 audio files.";

TEST(MediaLibraryPaths, MusicAndPicturesFoldersAndLibrariesAreBlocked) {
    for (const char* blocked :
         {"/home/Dj/Music", "/home/dj/music/", "/home/Dj/Music/Mix/a.mp3", "/home/Dj/Pictures/x",
          "/home/Dj/Desktop/../Music/a.mp3", "/data/iTunes/Media/a.mp3", "/data/ITUNES",
          "/data/Old.PhotosLibrary/originals/a.wav", "/data/x.aplibrary",
          "/data/Photos Library/a.mp3", "/Volumes/Apple Music/a.mp3"}) {
        EXPECT_TRUE(app::songs::isBlockedMediaLibraryPath(blocked, "/home/Dj")) << blocked;
    }
    for (const char* allowed : {"/home/Dj/Musicals/a.mp3", "/home/Dj/Desktop/Music/a.mp3",
                                "/srv/music/a.mp3", "/home/Dj/Pictures2/a.mp3"}) {
        EXPECT_FALSE(app::songs::isBlockedMediaLibraryPath(allowed, "/home/Dj")) << allowed;
    }
    EXPECT_TRUE(app::songs::isBlockedMediaLibraryPath("/Music/a.mp3", "/"));
}

TEST_F(SongTest, MissingEnginePiecesKeepThePickersClosed) {
    testsupport::TemporaryFolder emptyBundle;
    desktop().resourceFolderPath = QString::fromStdString(emptyBundle.path().string());
    view().songs().chooseSongFiles();
    view().songs().chooseSongFolder();
    EXPECT_TRUE(desktop().panelRequests.empty());
    // LAME on the command line counts, as it does in Step 1; the renderer has no such stand-in.
    EXPECT_TRUE(state().status.startsWith("Missing local engine setup: Local music renderer."));
}

TEST_F(SongTest, PickedFilesAreSortedAndCommittedWithStarterNotes) {
    state().outputFolder = wizard.makeFolder("Out");
    state().showCreateProgressScreen = true;
    pickSongFiles(makeFiles("Desktop/Set", {"b.mp3", "a10.WAV", "a2.mp3", "cover.jpg"}));

    const app::OpenPanelRequest& request = desktop().panelRequests.at(0);
    EXPECT_TRUE(request.canChooseFiles && !request.canChooseDirectories &&
                request.allowsMultipleSelection);
    EXPECT_EQ(request.allowedExtensions,
              QStringList({"mp3", "wav", "aif", "aiff", "m4a", "flac", "aac"}));
    EXPECT_EQ(request.startDirectory, desktop().desktopFolder());

    EXPECT_EQ(trackNames(), QStringList({"a2.mp3", "a10.WAV", "b.mp3"}));
    EXPECT_EQ(state().selectedFolder, wizard.homePath() + "/Desktop/Set");
    EXPECT_FALSE(state().outputFolder);
    EXPECT_FALSE(state().showCreateProgressScreen);
    EXPECT_TRUE(state().usedDirectSongSelection);
    EXPECT_EQ(state().status, kStepTwo);
    for (int index = 0; index < 3; ++index) {
        const auto& track = state().tracks[static_cast<size_t>(index)];
        EXPECT_EQ(view().settings().songGuidanceText(track), app::songs::starterGuidance(index, 3));
        EXPECT_EQ(state().songStartTimes.value(track.url), "0:00");
    }

    pickSongFiles({});  // cancelled: nothing changes
    EXPECT_EQ(desktop().panelRequests.back().startDirectory, *state().selectedFolder);
    EXPECT_EQ(trackNames().size(), 3);
}

TEST_F(SongTest, PickedFilesAreRefusedOrCountedWithTheirReasons) {
    const QStringList songs = makeFiles("Desktop/Set", {"a.mp3", "b.mp3", "notes.txt", "F.mp3/x"});
    pickSongFiles(songs.mid(0, 2));
    const auto expectRefused = [&](const QStringList& paths, const QString& message) {
        view().songs().handleAudioFileSelection(paths);
        EXPECT_TRUE(state().status.startsWith(message)) << state().status.toStdString();
        EXPECT_EQ(trackNames(), QStringList({"a.mp3", "b.mp3"}));  // the earlier selection stays
    };
    expectRefused({}, "Choose 1, 2, or 3 audio files.");
    expectRefused({songs[0], makeFiles("Music", {"c.mp3"})[0]}, kBlockedSongs);
    expectRefused({songs[2], QFileInfo(songs[3]).absolutePath()}, "No supported audio files were");
    expectRefused({songs[0], makeFiles("Documents", {"d.mp3"})[0]}, "Choose songs from one folder");

    pickSongFiles(makeFiles("Downloads", {"1.mp3", "2.mp3", "3.mp3", "Song.AIF"}));
    EXPECT_EQ(state().tracks.size(), 4u);
    EXPECT_FALSE(app::songs::songFolderReady(view().state()));
    EXPECT_EQ(state().status, "Selected 4 supported audio files. Choose 1, 2, or 3 songs.");
}

TEST_F(SongTest, FolderScanTakesVisibleSongFilesOnly) {
    const QString folder = wizard.makeFolder("Desktop/Set");
    makeFiles("Desktop/Set", {"b.flac", "A.m4a", ".hidden.mp3", "sub/c.mp3", "Album.wav/x"});
    pickSongFolder(folder);

    const app::OpenPanelRequest& request = desktop().panelRequests.at(0);
    EXPECT_TRUE(!request.canChooseFiles && request.canChooseDirectories);
    EXPECT_TRUE(request.allowedExtensions.isEmpty());
    EXPECT_EQ(trackNames(), QStringList({"A.m4a", "b.flac"}));
    EXPECT_FALSE(state().usedDirectSongSelection);
    EXPECT_EQ(state().status, kStepTwo);

    // A rescan keeps the output folder and the progress of the last run.
    state().outputFolder = wizard.makeFolder("Out");
    state().showCreateProgressScreen = true;
    view().songs().scanSelectedFolder();
    EXPECT_EQ(state().status,
              "Step 2 complete. Add any timing or section instructions for the edit.");
    EXPECT_TRUE(state().showCreateProgressScreen);
}

TEST_F(SongTest, FolderSelectionAndScanReportEveryOutcome) {
    view().songs().scanSelectedFolder();
    EXPECT_EQ(state().status, "Choose a folder first.");
    view().songs().handleSongFolderSelection(wizard.homePath() + "/Desktop/missing");
    EXPECT_EQ(state().status, kNotAFolder);
    view().songs().handleSongFolderSelection(makeFiles("Desktop", {"song.mp3"})[0]);
    EXPECT_EQ(state().status, kNotAFolder);
    view().songs().handleSongFolderSelection(wizard.makeFolder("Music/Mixes"));
    EXPECT_TRUE(state().status.startsWith(kBlockedSongs));
    EXPECT_FALSE(state().selectedFolder);

    makeFiles("Desktop/Many", {"1.mp3", "2.mp3", "3.mp3", "4.wav"});
    view().songs().handleSongFolderSelection(wizard.homePath() + "/Desktop/Many");
    EXPECT_EQ(state().status, "Found 4 audio files. This app expects 1, 2, or 3 source songs.");

    // The folder is committed before the scan, so an empty one stays selected.
    view().songs().handleSongFolderSelection(wizard.makeFolder("Desktop/Empty"));
    EXPECT_EQ(state().status, "No supported audio files found in that folder.");
    EXPECT_EQ(state().selectedFolder, wizard.homePath() + "/Desktop/Empty");
    EXPECT_TRUE(state().tracks.empty() && state().songGuidance.isEmpty());
}

TEST_F(SongTest, ReplacementCarriesTheSettingsOverByTheirRules) {
    const QStringList songs =
        makeFiles("Desktop/Set", {"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3"});
    pickSongFiles(songs.mid(0, 3));
    const QString oldPath = state().tracks[1].url;
    view().settings().setSongStartTime(state().tracks[1], "  ");
    view().settings().setSongEndTime(state().tracks[1], "2:10");
    state().outputFolder = wizard.makeFolder("Out");

    desktop().answerNextPanel({songs[3]});
    view().songs().replaceTrack(1);
    const app::OpenPanelRequest& request = desktop().panelRequests.back();
    EXPECT_EQ(request.title, "Choose replacement for song 2");
    EXPECT_FALSE(request.allowsMultipleSelection);

    EXPECT_EQ(trackNames(), QStringList({"a.mp3", "d.mp3", "c.mp3"}));
    EXPECT_EQ(view().settings().songGuidanceText(state().tracks[1]),
              app::songs::starterGuidance(1, 3));
    EXPECT_EQ(view().settings().songStartTime(state().tracks[1]), "0:00");
    EXPECT_EQ(view().settings().songEndTime(state().tracks[1]), "2:10");
    EXPECT_FALSE(state().songGuidance.contains(oldPath) || state().songEndTimes.contains(oldPath));
    EXPECT_TRUE(state().manualTrackOrder && state().usedDirectSongSelection);
    EXPECT_TRUE(state().outputFolder);
    EXPECT_TRUE(state().status.startsWith("Song 2 replaced. Review the notes,"));

    // The user's own note moves to the next replacement.
    view().settings().setSongGuidanceText(state().tracks[1], "Cut after the second chorus");
    desktop().answerNextPanel({songs[4]});
    view().songs().replaceTrack(1);
    EXPECT_EQ(view().settings().songGuidanceText(state().tracks[1]), "Cut after the second chorus");

    // Replacing a song with itself succeeds with a new id.
    const QUuid oldId = state().tracks[0].id;
    desktop().answerNextPanel({songs[0]});
    view().songs().replaceTrack(0);
    EXPECT_EQ(trackNames(), QStringList({"a.mp3", "e.mp3", "c.mp3"}));
    EXPECT_NE(state().tracks[0].id, oldId);
}

TEST_F(SongTest, ReplacementIsRefusedWithItsReasons) {
    const QStringList songs = makeFiles("Desktop/Set", {"a.mp3", "b.mp3", "notes.txt"});
    pickSongFiles(songs.mid(0, 2));
    const auto expectRefused = [&](const QString& chosen, const QString& message) {
        desktop().answerNextPanel({chosen});
        view().songs().replaceTrack(0);
        EXPECT_TRUE(state().status.startsWith(message)) << state().status.toStdString();
        EXPECT_EQ(trackNames(), QStringList({"a.mp3", "b.mp3"}));
    };
    expectRefused(makeFiles("Music", {"x.mp3"})[0], "Move or copy the replacement song");
    expectRefused(songs[2], kUnsupportedReplacement);
    expectRefused(wizard.makeFolder("Desktop/Set/Inner.mp3"), kUnsupportedReplacement);
    expectRefused(makeFiles("Documents", {"y.mp3"})[0],
                  "Choose the replacement song from the same");
    expectRefused(songs[1], "That song is already selected.");

    const size_t panels = desktop().panelRequests.size();
    view().songs().replaceTrack(2);
    state().isCreatingEdit = true;
    view().songs().replaceTrack(0);
    EXPECT_EQ(desktop().panelRequests.size(), panels);  // no picker for those
}

TEST_F(SongTest, MovesSwapSongsAndKeepOwnNotesWithTheirSongs) {
    pickSongFiles(makeFiles("Desktop/Set", {"a.mp3", "b.mp3"}));
    state().status = "unchanged";
    view().songs().moveTrack(0, -1);
    view().songs().moveTrack(1, +1);
    EXPECT_EQ(state().status, "unchanged");
    EXPECT_FALSE(state().manualTrackOrder);

    state().showCreateProgressScreen = true;
    view().songs().moveTrack(0, +1);
    EXPECT_EQ(trackNames(), QStringList({"b.mp3", "a.mp3"}));
    EXPECT_EQ(view().settings().songGuidanceText(state().tracks[0]),
              app::songs::starterGuidance(0, 2));
    EXPECT_EQ(view().settings().songGuidanceText(state().tracks[1]),
              app::songs::starterGuidance(1, 2));
    EXPECT_TRUE(state().manualTrackOrder);
    EXPECT_FALSE(state().showCreateProgressScreen);
    EXPECT_EQ(state().status,
              "Song order updated. Add timing notes, then choose an output folder.");

    // An own note stays with its song; a blanked note takes the starter text of its new place.
    view().settings().setSongGuidanceText(state().tracks[0], "Keep the intro riff");
    view().settings().setSongGuidanceText(state().tracks[1], "   ");
    state().outputFolder = wizard.makeFolder("Out");
    view().songs().moveTrack(1, -1);
    EXPECT_EQ(view().settings().songGuidanceText(state().tracks[0]),
              app::songs::starterGuidance(0, 2));
    EXPECT_EQ(view().settings().songGuidanceText(state().tracks[1]), "Keep the intro riff");
    EXPECT_EQ(state().status, "Song order updated. Add any timing notes, then click Create Edit.");
}

TEST_F(SongTest, ClearingForgetsTheSelectionAndChecksTheToolsAgain) {
    pickSongFiles(makeFiles("Desktop/Set", {"a.mp3"}));
    state().outputFolder = wizard.makeFolder("Out");
    state().handoffFolder = wizard.makeFolder("Desktop/Set/Tunewright Setup");
    state().isUsingLocalEngine = true;
    view().editRunController().cancel();
    state().isCheckingTools = false;

    view().songs().clearSongs();
    EXPECT_FALSE(state().selectedFolder || state().outputFolder || state().handoffFolder);
    EXPECT_TRUE(state().tracks.empty() && state().songGuidance.isEmpty() &&
                state().songStartTimes.isEmpty() && state().songEndTimes.isEmpty());
    EXPECT_FALSE(state().isUsingLocalEngine);
    EXPECT_FALSE(view().editRunController().isCancellationRequested());
    EXPECT_EQ(state().status, "Song selection cleared. Choose 1, 2, or 3 songs again.");
    EXPECT_TRUE(state().isCheckingTools);
}

TEST_F(SongTest, SelectionCannotChangeUnderARunningEdit) {
    pickSongFiles(makeFiles("Desktop/Set", {"a.mp3", "b.mp3"}));
    state().isCreatingEdit = true;
    state().showCreateProgressScreen = true;
    view().editRunController().cancel();
    const size_t panels = desktop().panelRequests.size();

    view().songs().clearSongs();
    view().songs().moveTrack(0, 1);
    view().songs().chooseSongFiles();
    view().songs().handleSongFolderSelection(*state().selectedFolder);
    EXPECT_EQ(state().status, "Stop the edit before going back to change the setup.");
    EXPECT_EQ(trackNames(), QStringList({"a.mp3", "b.mp3"}));
    EXPECT_TRUE(state().showCreateProgressScreen);
    EXPECT_TRUE(view().editRunController().isCancellationRequested());  // not reset
    EXPECT_EQ(desktop().panelRequests.size(), panels);
}

TEST_F(SongTest, PickerStartFallsBackToTheNextExistingSafeFolder) {
    const QString set = wizard.makeFolder("Work/Set");
    state().selectedFolder = set;
    // A blocked folder is skipped; a gone one gives way to its parent, then to the home.
    EXPECT_EQ(
        app::songs::privacySafePickerStartDirectory(state(), desktop(), wizard.makeFolder("Music")),
        set);
    QDir(set).removeRecursively();
    EXPECT_EQ(app::songs::songPickerStartDirectory(state(), desktop()),
              wizard.homePath() + "/Work");
    desktop().home = wizard.homePath() + "/gone";
    EXPECT_EQ(app::songs::songPickerStartDirectory(state(), desktop()),
              wizard.homePath() + "/Work");
    QDir(wizard.homePath() + "/Work").removeRecursively();
    EXPECT_EQ(app::songs::songPickerStartDirectory(state(), desktop()), "/");
}

}  // namespace
