#include <QUrl>
#include <tuple>

#include "app/songs/edit_options.h"
#include "app/songs/starter_guidance.h"
#include "common/note_requests.h"
#include "tests/app/songs/song_test_fixture.h"

namespace {

using app::songs::AIAssistMode;
using app::songs::SnapCutsTo;
using common::FinalEndingEffect;
using songtest::SongTest;

TEST_F(SongTest, TimesAreStoredAsTypedAndTidiedByTheSync) {
    pickSongFiles(makeFiles("Desktop/Set", {"a.mp3", "b.mp3"}));
    const auto first = state().tracks[0];
    const auto second = state().tracks[1];
    view().settings().setSongStartTime(first, " 1:04 ");
    view().settings().setSongEndTime(first, " 2:10 ");
    view().settings().setSongStartTime(second, " \n");
    view().settings().setSongGuidanceText(second, "");
    EXPECT_EQ(view().settings().songStartTime(first), " 1:04 ");

    view().settings().syncSongTimingFields();
    view().settings().syncSongGuidance();
    EXPECT_EQ(view().settings().songStartTime(first), "1:04");
    EXPECT_EQ(view().settings().songEndTime(first), " 2:10 ");
    EXPECT_EQ(view().settings().songStartTime(second), "0:00");
    EXPECT_EQ(view().settings().songGuidanceText(second),
              "");  // an emptied note is the user's choice

    // A song that leaves the list loses its entries.
    state().tracks.pop_back();
    view().settings().syncSongTimingFields();
    view().settings().syncSongGuidance();
    EXPECT_FALSE(state().songStartTimes.contains(second.url) ||
                 state().songEndTimes.contains(second.url) ||
                 state().songGuidance.contains(second.url));
}

TEST_F(SongTest, ChoicesAreStoredAndRestoredOnlyWhenKnown) {
    EXPECT_EQ(state().snapCutsTo, SnapCutsTo::beat);
    view().settings().chooseFinalEndingEffect(FinalEndingEffect::echoFade);
    view().settings().chooseAIAssistMode(AIAssistMode::providerLater);
    view().settings().chooseSnapCutsTo(SnapCutsTo::bar);
    EXPECT_EQ(desktop().preferences["tunewrightFinalEndingEffect"], "echoFade");
    EXPECT_EQ(desktop().preferences["reelhopperAIAssistMode"], "providerLater");
    EXPECT_EQ(desktop().preferences["tunewrightSnapToBeat"], "true");  // an older build: On
    EXPECT_EQ(desktop().preferences["tunewrightSnapCutsTo"], "bar");

    testsupport::WizardFixture restarted;
    restarted.services->preferences = desktop().preferences;
    restarted.view->settings().restorePreferences();
    EXPECT_EQ(restarted.view->state().aiAssistMode, AIAssistMode::providerLater);
    EXPECT_EQ(restarted.view->state().finalEndingEffect, FinalEndingEffect::echoFade);
    EXPECT_EQ(restarted.view->state().snapCutsTo, SnapCutsTo::bar);

    testsupport::WizardFixture unknown;
    unknown.services->preferences["reelhopperAIAssistMode"] = "auto";
    unknown.services->preferences["tunewrightFinalEndingEffect"] = "Fade";
    unknown.services->preferences["tunewrightSnapToBeat"] = "0";
    unknown.services->preferences["tunewrightSnapCutsTo"] = "Bar";
    unknown.view->settings().restorePreferences();
    EXPECT_EQ(unknown.view->state().aiAssistMode, AIAssistMode::agentFallback);
    EXPECT_EQ(unknown.view->state().finalEndingEffect, FinalEndingEffect::fade);
    EXPECT_EQ(unknown.view->state().snapCutsTo, SnapCutsTo::beat);
}

// The older key keeps an earlier On or Off, and decides it even when a build that knows only
// that key changed it after this one wrote the newer key; the newer key only tells Bar from
// Beat, and stands alone only where the older key is missing or unreadable.
TEST_F(SongTest, TheStoredSnapKeepsItsEarlierMeaning) {
    // {"tunewrightSnapToBeat", "tunewrightSnapCutsTo"} as stored, and what a fresh start shows.
    using Stored = std::pair<std::optional<QString>, std::optional<QString>>;
    const std::vector<std::pair<Stored, SnapCutsTo>> cases = {
        {{"true", {}}, SnapCutsTo::beat},         {{"false", {}}, SnapCutsTo::off},
        {{"true", "bar"}, SnapCutsTo::bar},       {{"true", "beat"}, SnapCutsTo::beat},
        {{"false", "bar"}, SnapCutsTo::off},  // turned Off by an older build after Bar
        {{"true", "off"}, SnapCutsTo::beat},  // turned On by an older build after Off
        {{{}, "bar"}, SnapCutsTo::bar},           {{{}, "off"}, SnapCutsTo::off},
        {{"yes", "bar"}, SnapCutsTo::bar},        {{"false", "sometimes"}, SnapCutsTo::off},
        {{"yes", "sometimes"}, SnapCutsTo::beat}, {{{}, {}}, SnapCutsTo::beat},
    };
    for (const auto& [stored, expected] : cases) {
        testsupport::WizardFixture fixture;
        if (stored.first) fixture.services->preferences["tunewrightSnapToBeat"] = *stored.first;
        if (stored.second) fixture.services->preferences["tunewrightSnapCutsTo"] = *stored.second;
        fixture.view->settings().restorePreferences();
        EXPECT_EQ(fixture.view->state().snapCutsTo, expected)
            << stored.first.value_or("(none)").toStdString() << " / "
            << stored.second.value_or("(none)").toStdString();
    }

    // What this build writes reads back as written, and as On/Off to an older build.
    for (const SnapCutsTo snap : app::songs::kAllSnapCutsTo) {
        view().settings().chooseSnapCutsTo(snap);
        EXPECT_EQ(desktop().preferences["tunewrightSnapToBeat"],
                  snap == SnapCutsTo::off ? "false" : "true");
        testsupport::WizardFixture restarted;
        restarted.services->preferences = desktop().preferences;
        restarted.view->settings().restorePreferences();
        EXPECT_EQ(restarted.view->state().snapCutsTo, snap);
    }
}

// A changed snap means the finished edit no longer matches the settings; the same choice again
// keeps it.
TEST_F(SongTest, ChangingTheSnapForgetsTheFinishedEdit) {
    state().completedOutputFolder = QStringLiteral("/out");
    view().settings().chooseSnapCutsTo(SnapCutsTo::beat);
    EXPECT_TRUE(state().completedOutputFolder.has_value());
    view().settings().chooseSnapCutsTo(SnapCutsTo::bar);
    EXPECT_FALSE(state().completedOutputFolder.has_value());
}

// The starter notes describe the default cut in words that also name bars and downbeats; the
// note reader must not take them as a request for the bar line.
TEST(StarterGuidance, AsksForNoBarLine) {
    for (int total = 1; total <= 3; ++total) {
        for (int index = 0; index < total; ++index) {
            const QString starter = app::songs::starterGuidance(index, total);
            ASSERT_FALSE(starter.isEmpty());
            EXPECT_FALSE(common::readNoteRequests(starter.toStdString()).onTheBar)
                << starter.toStdString();
        }
    }
}

TEST_F(SongTest, ProviderLinksSwitchToTheProviderModeAndOpenOnlyRealAddresses) {
    const auto& providers = app::songs::AIProviderConnection::all();
    view().settings().openAIProviderConnection(providers[3]);  // "custom"
    EXPECT_EQ(state().aiAssistMode, AIAssistMode::providerLater);
    EXPECT_EQ(desktop().preferences["reelhopperAIAssistMode"], "providerLater");
    EXPECT_EQ(state().aiConnectionMessage,
              "Custom provider setup is planned for the secure-key version.");
    EXPECT_TRUE(desktop().openedAddresses.empty());

    view().settings().openAIProviderConnection(providers[0]);
    ASSERT_EQ(desktop().openedAddresses.size(), 1u);
    EXPECT_EQ(QUrl(desktop().openedAddresses[0], QUrl::StrictMode).scheme(), "https");
    auto broken = providers[1];
    broken.setupURL = "not a web address";
    view().settings().openAIProviderConnection(broken);
    EXPECT_EQ(desktop().openedAddresses.size(), 1u);
    EXPECT_EQ(state().aiConnectionMessage, broken.message);
}

TEST_F(SongTest, OutputFolderNeedsReadySongsAndARegularFolder) {
    pickSongFiles(makeFiles("Desktop/Set", {"1.mp3", "2.mp3", "3.mp3", "4.mp3"}));
    const size_t panels = desktop().panelRequests.size();
    view().settings().chooseOutputFolder();
    EXPECT_EQ(state().status, "Choose 1, 2, or 3 songs before choosing the output folder.");
    EXPECT_EQ(desktop().panelRequests.size(), panels);

    pickSongFiles(makeFiles("Desktop/Set2", {"a.mp3"}));
    desktop().answerNextPanel({});
    view().settings().chooseOutputFolder();
    const app::OpenPanelRequest& request = desktop().panelRequests.back();
    EXPECT_TRUE(!request.canChooseFiles && request.canChooseDirectories);
    EXPECT_EQ(request.startDirectory, *state().selectedFolder);
    EXPECT_FALSE(state().outputFolder);  // cancelled

    for (const QString& chosen :
         {wizard.makeFolder("Music/Edits"), wizard.homePath() + "/Desktop/missing",
          makeFiles("Desktop", {"file.mp3"})[0]}) {
        desktop().answerNextPanel({chosen});
        view().settings().chooseOutputFolder();
        EXPECT_TRUE(state().status.startsWith("Choose a regular output folder in Desktop"));
        EXPECT_FALSE(state().outputFolder);
    }

    const QString output = wizard.makeFolder("Documents/Edits");
    state().showCreateProgressScreen = true;
    desktop().answerNextPanel({output});
    view().settings().chooseOutputFolder();
    EXPECT_EQ(state().outputFolder, output);
    EXPECT_FALSE(state().showCreateProgressScreen);
    EXPECT_TRUE(state().status.startsWith("Output folder selected."));
    view().settings().chooseOutputFolder();
    EXPECT_EQ(desktop().panelRequests.back().startDirectory, output);
}

}  // namespace

// A hand-chosen join belongs to the join out of its song: it moves with the song and with the
// place a replacement takes, and goes where the song becomes the last, which has no join.
// The last song's ending stays with the edit's end.
TEST_F(SongTest, HandChosenJoinsFollowTheirSongAndTheLastSongHasNone) {
    using app::songs::JoinChoice;
    const QStringList songs = makeFiles("Desktop/Set", {"a.mp3", "b.mp3", "c.mp3", "d.mp3"});
    pickSongFiles(songs.mid(0, 3));
    const auto [a, b, c] = std::tuple(state().tracks[0], state().tracks[1], state().tracks[2]);
    auto& settings = view().settings();
    state().completedOutputFolder = QStringLiteral("/out");
    settings.chooseJoin(a, JoinChoice::blend16);
    EXPECT_FALSE(state().completedOutputFolder.has_value());
    settings.chooseJoin(c, JoinChoice::blend4);
    EXPECT_EQ(settings.handJoinChoice(c), std::nullopt);
    EXPECT_EQ(settings.handJoinChoice(b), std::nullopt);  // its note decides

    view().songs().moveTrack(0, +1);  // b a c: a now leads into c
    EXPECT_EQ(settings.handJoinChoice(a), JoinChoice::blend16);
    view().songs().moveTrack(1, +1);  // b c a
    EXPECT_EQ(settings.handJoinChoice(a), std::nullopt);
    view().songs().moveTrack(2, -1);  // b a c: the choice made for the last place is gone
    EXPECT_EQ(settings.handJoinChoice(a), std::nullopt);

    settings.chooseJoin(b, JoinChoice::cut);
    desktop().answerNextPanel({songs[3]});
    view().songs().replaceTrack(0);
    EXPECT_EQ(state().tracks[0].name(), "d.mp3");
    EXPECT_EQ(settings.handJoinChoice(state().tracks[0]), JoinChoice::cut);
    EXPECT_EQ(state().songJoinChoices.size(), 1);

    // The ending belongs to the edit's end; a pause or a blend is none.
    settings.chooseEnding(JoinChoice::pause);
    EXPECT_EQ(state().endingChoice, std::nullopt);
    settings.chooseEnding(JoinChoice::tapeStop);
    view().songs().moveTrack(0, +1);
    EXPECT_EQ(state().endingChoice, JoinChoice::tapeStop);

    view().songs().clearSongs();
    EXPECT_TRUE(state().songJoinChoices.isEmpty());
    EXPECT_EQ(state().endingChoice, std::nullopt);
}
