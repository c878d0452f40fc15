#include <QUrl>

#include "app/songs/edit_options.h"
#include "tests/app/songs/song_test_fixture.h"

namespace {

using app::songs::AIAssistMode;
using app::songs::AIProviderConnection;
using common::FinalEndingEffect;
using songtest::SongTest;

TEST_F(SongTest, TimesAreStoredAsTypedAndTidiedByTheSync) {
    pickSongs(makeFiles("Desktop/Set", {"a.mp3", "b.mp3"}));
    const auto first = state().tracks[0];
    const auto second = state().tracks[1];
    state().songStartTimes.remove(first.url);
    EXPECT_EQ(view().songStartTime(first), "0:00");  // the default while there is no entry
    EXPECT_EQ(view().songEndTime(first), "");

    view().setSongStartTime(first, " 1:04 ");
    view().setSongEndTime(first, " 2:10 ");
    view().setSongStartTime(second, " \n");
    EXPECT_EQ(view().songStartTime(first), " 1:04 ");
    view().setSongGuidanceText(second, "");

    // Dropping a song prunes its entries; the rest are tidied.
    state().tracks.pop_back();
    view().syncSongTimingFields();
    view().syncSongGuidance();
    EXPECT_EQ(state().songStartTimes.value(first.url), "1:04");
    EXPECT_EQ(state().songEndTimes.value(first.url), " 2:10 ");
    EXPECT_FALSE(state().songStartTimes.contains(second.url));
    EXPECT_FALSE(state().songGuidance.contains(second.url));

    // A cleared start becomes "0:00" again; an empty note is kept as the user's choice.
    state().tracks.push_back(second);
    view().setSongStartTime(second, " \n");
    state().songGuidance.insert(second.url, "");
    view().syncSongTimingFields();
    view().syncSongGuidance();
    EXPECT_EQ(view().songStartTime(second), "0:00");
    EXPECT_EQ(view().songGuidanceText(second), "");
}

TEST_F(SongTest, StoredChoicesAreRestoredOnlyWhenKnown) {
    desktop().preferences["reelhopperAIAssistMode"] = "providerLater";
    desktop().preferences["tunewrightFinalEndingEffect"] = "echoFade";
    view().restorePreferences();
    EXPECT_EQ(state().aiAssistMode, AIAssistMode::providerLater);
    EXPECT_EQ(state().finalEndingEffect, FinalEndingEffect::echoFade);

    testsupport::WizardFixture fresh;
    fresh.services->preferences["reelhopperAIAssistMode"] = "auto";
    fresh.services->preferences["tunewrightFinalEndingEffect"] = "Fade";
    fresh.view->restorePreferences();
    EXPECT_EQ(fresh.view->state().aiAssistMode, AIAssistMode::codexFallback);
    EXPECT_EQ(fresh.view->state().finalEndingEffect, FinalEndingEffect::fade);
}

TEST_F(SongTest, ChoicesAreStoredAsRawValues) {
    view().chooseFinalEndingEffect(FinalEndingEffect::none);
    view().chooseAIAssistMode(AIAssistMode::localOnly);
    EXPECT_EQ(state().finalEndingEffect, FinalEndingEffect::none);
    EXPECT_EQ(desktop().preferences["tunewrightFinalEndingEffect"], "none");
    EXPECT_EQ(state().aiAssistMode, AIAssistMode::localOnly);
    EXPECT_EQ(desktop().preferences["reelhopperAIAssistMode"], "localOnly");
}

TEST_F(SongTest, ProviderLinksSwitchToTheProviderModeAndOpenOnlyRealAddresses) {
    const auto& providers = AIProviderConnection::all();
    const AIProviderConnection& custom = providers[3];
    view().openAIProviderConnection(custom);
    EXPECT_EQ(state().aiAssistMode, AIAssistMode::providerLater);
    EXPECT_EQ(desktop().preferences["reelhopperAIAssistMode"], "providerLater");
    EXPECT_EQ(state().aiConnectionMessage,
              "Custom provider setup is planned for the secure-key version.");
    EXPECT_TRUE(desktop().openedAddresses.empty());

    for (size_t index = 0; index < 3; ++index) {
        view().openAIProviderConnection(providers[index]);
        ASSERT_EQ(desktop().openedAddresses.size(), index + 1);
        const QUrl address(desktop().openedAddresses.back(), QUrl::StrictMode);
        EXPECT_EQ(address.scheme(), "https") << providers[index].id.toStdString();
        EXPECT_EQ(state().aiConnectionMessage, providers[index].message);
    }

    AIProviderConnection broken = providers[0];
    broken.setupURL = "not a web address";
    view().openAIProviderConnection(broken);
    EXPECT_EQ(desktop().openedAddresses.size(), 3u);
    EXPECT_EQ(state().aiConnectionMessage, broken.message);
}

TEST_F(SongTest, OutputFolderNeedsReadySongsAndARegularFolder) {
    pickSongs(makeFiles("Desktop/Set", {"1.mp3", "2.mp3", "3.mp3", "4.mp3"}));
    const size_t panels = desktop().panelRequests.size();
    view().chooseOutputFolder();
    EXPECT_EQ(state().status, "Choose 1, 2, or 3 songs before choosing the output folder.");
    EXPECT_EQ(desktop().panelRequests.size(), panels);

    pickSongs(makeFiles("Desktop/Set2", {"a.mp3"}));
    desktop().answerNextPanel({});
    view().chooseOutputFolder();
    const app::OpenPanelRequest& request = desktop().panelRequests.back();
    EXPECT_EQ(request.title, "Choose where the finished edit should be saved");
    EXPECT_EQ(request.prompt, "Choose Output Folder");
    EXPECT_EQ(request.message,
              "Choose where this app should save the finished MP3 and edit notes.");
    EXPECT_FALSE(request.canChooseFiles);
    EXPECT_TRUE(request.canChooseDirectories);
    EXPECT_TRUE(request.canCreateDirectories);
    EXPECT_FALSE(request.allowsMultipleSelection);
    EXPECT_EQ(request.startDirectory, *state().selectedFolder);
    EXPECT_FALSE(state().outputFolder);  // cancelled

    const QString refused =
        "Choose a regular output folder in Desktop, Downloads, or Documents. This app does not "
        "need Apple Music, Photos, or Pictures permissions.";
    for (const QString& chosen :
         {wizard.makeFolder("Music/Edits"), wizard.homePath() + "/Desktop/missing",
          makeFiles("Desktop", {"file.mp3"})[0]}) {
        state().status.clear();
        desktop().answerNextPanel({chosen});
        view().chooseOutputFolder();
        EXPECT_EQ(state().status, refused) << chosen.toStdString();
        EXPECT_FALSE(state().outputFolder);
    }

    const QString output = wizard.makeFolder("Documents/Edits");
    state().showCreateProgressScreen = true;
    state().completedOutputFolder = output;
    desktop().answerNextPanel({output});
    view().chooseOutputFolder();
    EXPECT_EQ(state().outputFolder, output);
    EXPECT_FALSE(state().showCreateProgressScreen);
    EXPECT_FALSE(state().completedOutputFolder);
    EXPECT_EQ(state().status,
              "Output folder selected. Add any timing notes, then click Create Edit.");

    // The next picker opens at the chosen output folder.
    view().chooseOutputFolder();
    EXPECT_EQ(desktop().panelRequests.back().startDirectory, output);
}

}  // namespace
