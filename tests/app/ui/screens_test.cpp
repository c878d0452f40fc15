// The screens as pure functions of the state, and the cards drawn from it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/ui/components.h"
#include "app/ui/instructions_card.h"
#include "app/ui/screen_choice.h"
#include "app/ui/screen_texts.h"
#include "app/ui/songs_card.h"
#include "app/ui/symbols.h"
#include "app/ui/tools_card.h"
#include "app/ui/window_fit.h"
#include "tests/app/support/wizard_test_helpers.h"
#include "tests/app/ui/ui_test_support.h"

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

class ScreensTest : public ::testing::Test {
protected:
    ScreensTest() {
        // Song picks start a tool check; these tests set the tool rows themselves.
        state().isCheckingTools = true;
    }
    app::ContentView& view() { return *wizard.view; }
    app::WizardState& state() { return wizard.view->state(); }

    void toolsReady(bool ready) {
        view().applyToolCheckResults({toolRow(QStringLiteral("Local music renderer"), ready),
                                      toolRow(QStringLiteral("Git"), false)});
        state().isCheckingTools = true;
    }

    // Picks `count` generated songs from one folder through the file picker.
    void pickSongs(int count) {
        QStringList names;
        for (int i = 1; i <= count; ++i) names << QStringLiteral("Song %1.wav").arg(i);
        const QString folder = wizard.makeFolder(QStringLiteral("Desktop/Set"));
        wizard.services->answerNextPanel(uitest::writeSongs(folder, names, 0.5));
        view().chooseSongFiles();
    }

    testsupport::WizardFixture wizard;
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
    expectScreen(WizardScreen::createEdit, "Step 4 of 4: Creating",
                 "Creating the finished edit. Keep this app open");
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
    toolsReady(false);
    state().isCheckingTools = false;
    card.refresh();
    const QStringList texts = uitest::visibleLabelTexts(&card);
    EXPECT_TRUE(texts.contains("Git (optional)"));
    EXPECT_TRUE(texts.contains("Setup needed"));
    EXPECT_TRUE(
        texts.contains("Missing local engine pieces: Local music renderer. Reinstall "
                       "Tunewright or contact support."));
    EXPECT_NE(uitest::findByAccessibleName<QPushButton>(&card, "Check Again"), nullptr);

    toolsReady(true);
    state().isCheckingTools = true;
    card.refresh();
    EXPECT_FALSE(uitest::visibleLabelTexts(&card).contains("Setup needed"));
    QPushButton* checking = uitest::findByAccessibleName<QPushButton>(&card, "Checking...");
    ASSERT_NE(checking, nullptr);
    EXPECT_FALSE(checking->isEnabled());
}

TEST_F(ScreensTest, GuidanceBoxes_AskPerPositionForOneTwoAndThreeSongs) {
    toolsReady(true);
    struct Expected {
        int total;
        std::vector<std::pair<const char*, const char*>> questionAndPlaceholderEnd;
    };
    const std::vector<Expected> cases = {
        {1,
         {{"Where should this song shorten or fade after the phrase resolves?",
           "then slowly fade after the phrase resolves."}}},
        {2,
         {{"What complete chorus, hook, or phrase should finish before song 2 enters?",
           "let it resolve, then exit on a clean downbeat."},
          {"Should song 2 start at the beginning/opening downbeat, or did you specifically want a "
           "vocal/internal section?",
           "Only use vocals if I type that."}}},
        {3,
         {{"What complete chorus, hook, or phrase should finish before song 2 enters?",
           "then exit on a clean downbeat into song 2."},
          {"Should song 2 start at the beginning/opening downbeat, or did you specifically want a "
           "vocal/internal section?",
           "then exit on a clean downbeat into song 3. Only use vocals if I type that."},
          {"Should song 3 start at the beginning/opening downbeat, or did you specifically want a "
           "vocal/internal section?",
           "then end on a clean phrase ending. Only use vocals if I type that."}}},
    };
    for (const Expected& expected : cases) {
        SCOPED_TRACE(expected.total);
        view().clearSongs();
        state().isCheckingTools = true;
        pickSongs(expected.total);
        // Empty notes show their question; a typed note shows the plain label.
        for (const auto& track : state().tracks) view().setSongGuidanceText(track, QString());
        app::ui::InstructionsCard card(view());
        card.refresh();
        const auto& boxes = card.guidanceBoxes();
        ASSERT_EQ(boxes.size(), static_cast<size_t>(expected.total));
        for (int index = 0; index < expected.total; ++index) {
            const app::ui::SongGuidanceBox* box = boxes[static_cast<size_t>(index)];
            const auto& [question, placeholderEnd] =
                expected.questionAndPlaceholderEnd[static_cast<size_t>(index)];
            EXPECT_EQ(box->questionLabel()->text(), question);
            EXPECT_TRUE(box->noteField()->placeholderText().endsWith(placeholderEnd))
                << box->noteField()->placeholderText().toStdString();
            EXPECT_EQ(box->startTimeField()->text(), "0:00");
            // The arrows are hidden at the ends of the list.
            auto* self = const_cast<app::ui::SongGuidanceBox*>(box);
            EXPECT_EQ(uitest::findByAccessibleName<QPushButton>(self, "Move earlier") != nullptr,
                      index > 0);
            EXPECT_EQ(uitest::findByAccessibleName<QPushButton>(self, "Move later") != nullptr,
                      index + 1 < expected.total);
        }
        view().setSongGuidanceText(state().tracks[0], QStringLiteral("Keep the intro"));
        card.refresh();
        EXPECT_EQ(boxes[0]->questionLabel()->text(), "Note");
    }
}

TEST_F(ScreensTest, Typing_WritesThroughWithoutRebuildingTheField) {
    toolsReady(true);
    pickSongs(2);
    app::ui::InstructionsCard card(view());
    QObject::connect(&view(), &app::ContentView::changed, &card, [&card] { card.refresh(); });
    card.refresh();
    card.show();
    card.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&card));

    QLineEdit* end = card.findChild<QLineEdit*>("songEndTime2");
    ASSERT_NE(end, nullptr);
    end->setFocus();
    QTest::keyClicks(end, "2:10");
    EXPECT_EQ(view().songEndTime(state().tracks[1]), "2:10");
    EXPECT_EQ(card.findChild<QLineEdit*>("songEndTime2"), end);
    EXPECT_TRUE(end->hasFocus());
    EXPECT_EQ(end->cursorPosition(), 4);

    QLineEdit* start = card.findChild<QLineEdit*>("songStartTime1");
    start->setFocus();
    start->selectAll();
    QTest::keyClicks(start, " 0:05");
    EXPECT_EQ(view().songStartTime(state().tracks[0]), " 0:05");  // stored exactly as typed

    QPlainTextEdit* note = card.findChild<QPlainTextEdit*>("songNote1");
    note->setFocus();
    note->selectAll();
    QTest::keyClicks(note, "Hold the hook");
    EXPECT_EQ(view().songGuidanceText(state().tracks[0]), "Hold the hook");
    EXPECT_TRUE(note->hasFocus());
    EXPECT_EQ(note->textCursor().position(), 13);

    // Tab walks the fields in reading order, also into the next song's box.
    start->setFocus();
    const QStringList expectedOrder = {"Song 1 end time", "Song 1 note", "Replace song 2",
                                       "Move earlier", "Song 2 start time"};
    for (const QString& name : expectedOrder) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(uitest::accessibleName(QApplication::focusWidget()), name);
    }

    // Without an output folder the main button asks for one first.
    EXPECT_NE(uitest::findByAccessibleName<QPushButton>(&card, "Select Output Folder First"),
              nullptr);
}

TEST(WindowFit, NineHundredBySevenHundredScreen_FitsTo868By670WithMinimum868By620) {
    const auto fit =
        app::ui::ensureReadableWindowSize(QRect(0, 0, 900, 700), QRect(40, 20, 1440, 1040));
    EXPECT_TRUE(fit.changesFrame);
    EXPECT_EQ(fit.frame.size(), QSize(868, 670));
    EXPECT_EQ(fit.minimumSize, QSize(868, 620));
    // Moved inside the visible frame, top edge kept where it fits.
    EXPECT_EQ(fit.frame.topLeft(), QPoint(32, 20));
}

TEST(WindowFit, LargeScreenKeepsAWiderWindowAndSmallScreensStopAtTheFloors) {
    // A 1600 wide window on a 2560 × 1440 screen stays 1600 wide and gets the usable height;
    // its bottom would leave the visible frame, so it moves up.
    auto fit =
        app::ui::ensureReadableWindowSize(QRect(0, 25, 2560, 1415), QRect(100, 60, 1600, 900));
    EXPECT_EQ(fit.frame, QRect(100, 55, 1600, 1385));
    EXPECT_EQ(fit.minimumSize, QSize(1080, 620));

    // A tiny screen: the usable size never drops below 820 × 620.
    fit = app::ui::ensureReadableWindowSize(QRect(0, 0, 640, 480), QRect(0, 0, 1440, 1040));
    EXPECT_EQ(fit.frame.size(), QSize(820, 620));
    EXPECT_EQ(fit.minimumSize, QSize(820, 620));

    // Without a screen the preferred size stands in for it.
    fit = app::ui::ensureReadableWindowSize(std::nullopt, QRect(0, 0, 1000, 700));
    EXPECT_EQ(fit.frame, QRect(0, 0, 1408, 1010));
}

TEST(Symbols, EveryNameTheScreensUseIsDrawn) {
    const QStringList used =
        QStringLiteral(
            "checkmark.circle.fill xmark.circle.fill arrow.clockwise checkmark.seal.fill "
            "music.note.list xmark.circle magnifyingglass folder.fill folder brain.head.profile "
            "folder.badge.questionmark hourglass wand.and.stars waveform circle "
            "arrow.triangle.2.circlepath.circle.fill stop.circle.fill stop.circle chevron.left "
            "plus.circle folder.badge.gearshape speaker.fill speaker.wave.2.fill waveform.path.ecg "
            "sparkles diamond link exclamationmark.triangle.fill dot.radiowaves.left.and.right "
            "arrow.up arrow.down clock")
            .split(' ');
    const QImage fallback = app::ui::symbolPixmap("no.such.symbol", Qt::white, 24).toImage();
    for (const QString& name : used) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(app::ui::isKnownSymbol(name));
        const QImage image = app::ui::symbolPixmap(name, Qt::white, 24, 2.0).toImage();
        EXPECT_EQ(image.size(), QSize(48, 48));
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 128;
        }
        EXPECT_GT(inked, 40);  // something visible, not a blank square
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
