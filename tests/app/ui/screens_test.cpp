// The screens as pure functions of the state, and the cards drawn from it.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <algorithm>

#include "app/ui/components.h"
#include "app/ui/create_edit_card.h"
#include "app/ui/instructions_card.h"
#include "app/ui/screen_choice.h"
#include "app/ui/screen_texts.h"
#include "app/ui/songs_card.h"
#include "app/ui/symbols.h"
#include "app/ui/tools_card.h"
#include "app/ui/window_fit.h"
#include "tests/app/support/neutral_install.h"
#include "tests/app/support/wizard_test_helpers.h"
#include "tests/app/ui/ui_test_support.h"
#include "tests/support/generated_audio.h"
#include "tests/support/test_files.h"

namespace {

using app::ui::WizardScreen;

app::tools::ToolCheck toolRow(const QString& name, bool ready) {
    app::tools::ToolCheck check;
    check.name = name;
    check.command = name.toLower();
    check.status = ready ? QStringLiteral("Bundled in this app:\n/app/bin/x")
                         : QStringLiteral("Missing from app bundle. Reinstall Tunewright.");
    check.isReady = ready;
    return check;
}

class ScreensTest : public testsupport::WizardTest {
protected:
    ScreensTest() {
        // Song picks start a tool check; these tests set the tool rows themselves.
        state().isCheckingTools = true;
    }

    void toolsReady(bool ready) {
        view().tools().applyToolCheckResults(
            {toolRow(QStringLiteral("Local music renderer"), ready),
             toolRow(QStringLiteral("Git"), false)});
        state().isCheckingTools = true;
    }

    // Picks `count` generated songs from one folder through the file picker.
    void pickSongs(int count) {
        QStringList names;
        for (int i = 1; i <= count; ++i) names << QStringLiteral("Song %1.wav").arg(i);
        const QString folder = wizard.makeFolder(QStringLiteral("Desktop/Set"));
        pickSongFiles(uitest::writeSongs(folder, names, 0.5));
    }
};

TEST_F(ScreensTest, ScreenAndHeader_FollowTheStateThroughAllFourSteps) {
    const auto expectScreen = [this](WizardScreen screen, const char* pill, const char* subtitle) {
        EXPECT_EQ(app::ui::screenFor(view()), screen) << pill;
        const app::ui::HeaderTexts header = app::ui::headerFor(view());
        EXPECT_EQ(header.stepPill, pill);
        EXPECT_TRUE(header.subtitle.startsWith(subtitle)) << header.subtitle.toStdString();
    };
    const char* ready = "The music editing engine is ready.";

    expectScreen(WizardScreen::tools, "Step 1 of 4: Tools", "A step-by-step app: verify setup");
    toolsReady(false);
    expectScreen(WizardScreen::tools, "Step 1 of 4: Tools", "A step-by-step app");
    toolsReady(true);  // optional rows that are missing do not hold Step 1
    expectScreen(WizardScreen::songs, "Step 2 of 4: Songs", ready);
    pickSongs(2);
    expectScreen(WizardScreen::instructions, "Step 3 of 4: Instructions", ready);

    state().showCreateProgressScreen = true;
    state().createSteps = app::run::defaultCreateSteps();
    state().isCreatingEdit = true;
    view().progress().setCreateStep(app::run::CreateStep::analyze,
                                    app::run::ProgressRowState::running, 0.4, "working");
    expectScreen(WizardScreen::createEdit, "Step 4 of 4: Creating",
                 "Creating the finished edit. Keep this app open");
    EXPECT_EQ(app::ui::createEditTitle(view()).text, "Creating your music edit");
    // After a failure Step 4 speaks with the live status panel, not as if creating.
    view().progress().markCreateStepFailed("Broke.");
    state().isCreatingEdit = false;
    EXPECT_EQ(app::ui::createEditTitle(view()).text, "Problem found");
    EXPECT_EQ(app::ui::createEditTitle(view()).symbolName, view().progress().liveEditSymbolName());
    EXPECT_EQ(app::ui::createEditDescription(view()), "");
    expectScreen(WizardScreen::createEdit, "Step 4 of 4: Failed", "");
    EXPECT_EQ(app::ui::headerFor(view()).subtitle, view().progress().liveEditMessage());
    EXPECT_NE(view().progress().liveEditMessage(), "");
    state().completedOutputFolder = QStringLiteral("/out");
    expectScreen(WizardScreen::createEdit, "Step 4 of 4: Complete",
                 "Complete. The finished edit is ready");

    // The progress screen wins even when a later tool check fails.
    toolsReady(false);
    expectScreen(WizardScreen::createEdit, "Step 4 of 4: Complete", "Complete.");
    state().showCreateProgressScreen = false;
    expectScreen(WizardScreen::tools, "Step 1 of 4: Tools", "A step-by-step app");
}

TEST_F(ScreensTest, FourSongs_KeepStep2AndAskForOneToThree) {
    toolsReady(true);
    pickSongs(4);
    app::ui::SongsCard card(view());
    card.refresh();
    EXPECT_EQ(app::ui::screenFor(view()), WizardScreen::songs);
    const QStringList texts = uitest::visibleLabelTexts(&card);
    EXPECT_TRUE(texts.contains("4 audio files found"));
    EXPECT_TRUE(texts.contains("needs 1 to 3 songs"));
    EXPECT_NE(uitest::findByAccessibleName<QPushButton>(&card, "Replace song 4"), nullptr);

    // The row controls act on their own song.
    QPushButton* later = uitest::findByAccessibleName<QPushButton>(&card, "Move later");
    ASSERT_NE(later, nullptr);
    later->click();
    ASSERT_EQ(state().tracks.size(), 4u);
    EXPECT_EQ(state().tracks[0].name(), "Song 2.wav");
    EXPECT_EQ(state().tracks[1].name(), "Song 1.wav");
}

TEST_F(ScreensTest, ToolTiles_MarkOptionalToolsAndNameWhatIsMissing) {
    app::ui::ToolsCard card(view());
    // The tile's mark (symbol, what a screen reader says for it) and the tile's description.
    const auto markOf = [&card](const QString& tileName) {
        auto* tile = uitest::findByAccessibleName<QFrame>(&card, tileName);
        for (QLabel* label : tile ? tile->findChildren<QLabel*>() : QList<QLabel*>()) {
            if (auto* mark = dynamic_cast<app::ui::SymbolLabel*>(label)) {
                return QStringList{mark->symbolName(), uitest::accessibleName(mark),
                                   tile->accessibleDescription()};
            }
        }
        return QStringList{"no tile " + tileName};
    };
    toolsReady(false);
    state().isCheckingTools = false;
    card.refresh();
    // Only a row that holds Step 1 is red; a missing helper is neutral.
    EXPECT_EQ(markOf("Local music renderer"), QStringList({"xmark.circle.fill", "Missing", ""}));
    EXPECT_EQ(markOf("Git (optional)"),
              QStringList({"minus.circle", "Not installed", "optional, not installed"}));
    const QStringList texts = uitest::visibleLabelTexts(&card);
    EXPECT_TRUE(texts.contains("Git (optional)"));
    EXPECT_TRUE(texts.contains("Setup needed"));
    EXPECT_EQ(texts.filter("Missing local engine pieces: Local music renderer.").size(), 1);
    EXPECT_NE(uitest::findByAccessibleName<QPushButton>(&card, "Check Again"), nullptr);

    toolsReady(true);
    state().isCheckingTools = true;
    card.refresh();
    EXPECT_FALSE(uitest::visibleLabelTexts(&card).contains("Setup needed"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the earlier tiles
    EXPECT_EQ(markOf("Local music renderer"), QStringList({"checkmark.circle.fill", "Ready", ""}));
    QPushButton* checking = uitest::findByAccessibleName<QPushButton>(&card, "Checking...");
    ASSERT_NE(checking, nullptr);
    EXPECT_FALSE(checking->isEnabled());
}

// Step 1 as the README's picture shows it: the real check over the neutral install reads as
// ready and names nothing of the machine the picture is made on.
TEST_F(ScreensTest, Step1Picture_ShowsTheNeutralInstallAsReadyAndNothingOfThisMachine) {
    view().tools().setToolLookupsForTesting(testsupport::neutralInstall());
    view().tools().setAgentLocatorForTesting([] { return std::optional<QString>(); });
    state().isCheckingTools = false;
    view().tools().refreshToolChecksInBackground();
    ASSERT_TRUE(testsupport::waitUntil([&] { return !state().isCheckingTools; }, 60));
    EXPECT_TRUE(view().tools().toolsReady());
    app::ui::ToolsCard card(view());
    card.refresh();
    const QStringList texts = uitest::visibleLabelTexts(&card);
    EXPECT_TRUE(texts.contains("Bundled in this app:\n/opt/tunewright/bin/seamforge"));
    EXPECT_TRUE(texts.contains("/usr/bin/git"));
    EXPECT_TRUE(texts.contains("Optional helper. Not required for local standalone edits."));
    EXPECT_EQ(testsupport::machineSpecificTexts(texts), QStringList());
    // The check itself: the build folder or the home in a row's text is caught, once per text
    // even when it names both (as every path does in a checkout under the home).
    const QString built = testsupport::buildTreeResourceFolder() + "/bin/seamforge";
    const QString both = QDir::homePath() + "/Music and " + built;
    EXPECT_EQ(testsupport::machineSpecificTexts({"ready", built, both}),
              QStringList({built, both}));
}

// An edit without a cover shows its name alone, and a newer edit replaces what was shown.
TEST_F(ScreensTest, CompleteScreen_ShowsTheFinishedEditsCoverBesideItsName) {
    const QString folder = wizard.makeFolder(QStringLiteral("Music Edits"));
    const std::filesystem::path out = folder.toStdString();
    QImage cover(40, 20, QImage::Format_RGB32);
    cover.fill(Qt::darkCyan);
    ASSERT_TRUE(cover.save(QString::fromStdString((out / "cover.png").string())));
    testsupport::writeTestWav(out / "tone.wav", testsupport::tone(0.5, 440.0, 0.5));
    ASSERT_EQ(
        testsupport::convertWithFfmpeg(out / "tone.wav", out / "Covered - DJ edit.mp3",
                                       {"-i", (out / "cover.png").string(), "-map", "0", "-map",
                                        "1", "-c:v", "copy", "-disposition:v", "attached_pic"}),
        "");

    app::ui::CreateEditCard card(view());
    state().showCreateProgressScreen = true;
    card.refresh();
    EXPECT_EQ(uitest::findByAccessibleName<QLabel>(&card, "Cover art"), nullptr);
    EXPECT_EQ(uitest::findByAccessibleName<QWidget>(&card, "Edit waveform"), nullptr);

    state().completedOutputFolder = folder;
    card.refresh();
    EXPECT_TRUE(uitest::visibleLabelTexts(&card).contains("Covered - DJ edit.mp3"));
    EXPECT_NE(uitest::findByAccessibleName<QWidget>(&card, "Edit waveform"), nullptr);
    QLabel* shown = uitest::findByAccessibleName<QLabel>(&card, "Cover art");
    ASSERT_NE(shown, nullptr);
    const QImage pixels = shown->pixmap().toImage();
    ASSERT_FALSE(pixels.isNull());
    EXPECT_EQ(pixels.width(), 2 * pixels.height());  // the picture's own shape, scaled
    EXPECT_EQ(pixels.pixelColor(pixels.width() / 2, pixels.height() / 2), QColor(Qt::darkCyan));

    ASSERT_EQ(testsupport::convertWithFfmpeg(out / "tone.wav", out / "Plain - DJ edit.mp3"), "");
    card.refresh();
    EXPECT_TRUE(uitest::visibleLabelTexts(&card).contains("Plain - DJ edit.mp3"));
    EXPECT_EQ(uitest::findByAccessibleName<QLabel>(&card, "Cover art"), nullptr);
}

TEST_F(ScreensTest, GuidanceBoxes_AskPerPositionForOneTwoAndThreeSongs) {
    toolsReady(true);
    const QString exit = "should finish before song 2 enters?";
    const auto start = [](int song) { return QString("Should song %1 start at the").arg(song); };
    // Per song count, a phrase of each box's question and how its example note ends.
    const std::vector<std::vector<std::pair<QString, QString>>> cases = {
        {{"Where should this song shorten or fade", "then slowly fade after the phrase resolves."}},
        {{exit, "let it resolve, then exit on a clean downbeat."},
         {start(2), "Only use vocals if I type that."}},
        {{exit, "then exit on a clean downbeat into song 2."},
         {start(2), "then exit on a clean downbeat into song 3. Only use vocals if I type that."},
         {start(3), "then end on a clean phrase ending. Only use vocals if I type that."}},
    };
    for (const auto& expected : cases) {
        const int total = static_cast<int>(expected.size());
        SCOPED_TRACE(total);
        view().songs().clearSongs();
        state().isCheckingTools = true;
        pickSongs(total);
        // Empty notes show their question; a typed note shows the plain label.
        for (const auto& track : state().tracks)
            view().settings().setSongGuidanceText(track, QString());
        app::ui::InstructionsCard card(view());
        card.refresh();
        const auto& boxes = card.guidanceBoxes();
        ASSERT_EQ(boxes.size(), expected.size());
        for (int index = 0; index < total; ++index) {
            auto* box = const_cast<app::ui::SongGuidanceBox*>(boxes[static_cast<size_t>(index)]);
            const auto& [question, placeholderEnd] = expected[static_cast<size_t>(index)];
            EXPECT_TRUE(box->questionLabel()->text().contains(question))
                << box->questionLabel()->text().toStdString();
            EXPECT_TRUE(box->noteField()->placeholderText().endsWith(placeholderEnd))
                << box->noteField()->placeholderText().toStdString();
            EXPECT_EQ(box->startTimeField()->text(), "0:00");
            // The arrows are hidden at the ends of the list.
            EXPECT_EQ(uitest::findByAccessibleName<QPushButton>(box, "Move earlier") != nullptr,
                      index > 0);
            EXPECT_EQ(uitest::findByAccessibleName<QPushButton>(box, "Move later") != nullptr,
                      index + 1 < total);
        }
        view().settings().setSongGuidanceText(state().tracks[0], QStringLiteral("Keep the intro"));
        card.refresh();
        EXPECT_EQ(boxes[0]->questionLabel()->text(), "Note");
    }
}

TEST(WindowFit, FitsTheVisibleFrameAndStopsAtTheFloors) {
    struct Case {
        std::optional<QRect> screen;
        QRect preferred;
        QSize size;
        QSize minimum;
        QPoint topLeft;
    };
    const Case cases[] = {
        // 900 × 700: moved inside the visible frame with the top edge kept.
        {QRect(0, 0, 900, 700), QRect(40, 20, 1440, 1040), {868, 670}, {868, 620}, QPoint(32, 20)},
        // A wide window on a large screen stays wide, gets the usable height and moves up.
        {QRect(0, 25, 2560, 1415),
         QRect(100, 60, 1600, 900),
         {1600, 1385},
         {1080, 620},
         QPoint(100, 55)},
        // A tiny screen: the usable size never drops below 820 × 620, and the title bar stays
        // on screen.
        {QRect(0, 0, 640, 480), QRect(0, 0, 1440, 1040), {820, 620}, {820, 620}, QPoint(0, 0)},
        // Without a screen the preferred size stands in for it.
        {std::nullopt, QRect(0, 0, 1000, 700), {1408, 1010}, {1080, 620}, QPoint(0, 0)},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.size.width());
        const auto fit = app::ui::ensureReadableWindowSize(each.screen, each.preferred);
        EXPECT_EQ(fit.frame.size(), each.size);
        EXPECT_EQ(fit.minimumSize, each.minimum);
        EXPECT_EQ(fit.frame.topLeft(), each.topLeft);
    }
}

// The window test checks that the marks on its screens are known names.
TEST(Symbols, EveryKnownNameIsDrawn) {
    const QImage fallback = app::ui::symbolPixmap("no.such.symbol", Qt::white, 24).toImage();
    EXPECT_FALSE(app::ui::isKnownSymbol("no.such.symbol"));
    for (const QString& name : app::ui::knownSymbolNames()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(app::ui::isKnownSymbol(name));
        const QImage image = app::ui::symbolPixmap(name, Qt::white, 24, 2.0).toImage();
        EXPECT_EQ(image.size(), QSize(48, 48));
        const QImage alpha = image.convertToFormat(QImage::Format_Alpha8);
        const auto inked = std::count_if(alpha.constBits(), alpha.constBits() + alpha.sizeInBytes(),
                                         [](uchar value) { return value > 128; });
        EXPECT_GT(inked, 40);                         // something visible, not a blank square
        if (name == "questionmark.circle") continue;  // what an unknown name draws
        EXPECT_NE(app::ui::symbolPixmap(name, Qt::white, 24).toImage(), fallback);
    }
}

TEST(AdaptiveButtonRow, FallsBackToAColumnWhenTheRowDoesNotFit) {
    QWidget host;
    auto* row = new app::ui::AdaptiveButtonRow(&host);
    for (const char* text : {"Choose Audio Files", "Choose Folder", "Rescan"}) {
        row->addWidget(new QPushButton(text));
    }
    const int rowWidth = row->sizeHint().width();
    const int rowHeight = row->sizeHint().height();
    EXPECT_TRUE(row->fitsInRow(rowWidth));
    EXPECT_EQ(row->heightForWidth(rowWidth), rowHeight);
    EXPECT_FALSE(row->fitsInRow(rowWidth - 1));
    EXPECT_GT(row->heightForWidth(rowWidth - 1), 2 * rowHeight);
    // Hidden buttons take no room.
    host.findChildren<QPushButton*>().at(2)->hide();
    EXPECT_LT(row->sizeHint().width(), rowWidth);
}

}  // namespace
