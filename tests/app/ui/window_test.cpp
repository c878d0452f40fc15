// The whole window, used the way a person uses it: keyboard and mouse on the
// real widgets, the real tool check and the real engine of the build tree.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>
#include <algorithm>

#include "app/songs/edit_options.h"
#include "app/ui/screen_card.h"
#include "app/ui/wizard_header.h"
#include "app/ui/wizard_window.h"
#include "common/subprocess.h"
#include "tests/app/support/wizard_test_helpers.h"
#include "tests/app/ui/ui_test_support.h"

namespace {

using app::ui::WizardScreen;

class WindowTest : public testsupport::WizardTest {
protected:
    WindowTest() {
        // A failed local run must not reach for an agent installed on this machine.
        wizard.view->setCodexLocatorForTesting([] { return std::optional<QString>(); });
    }
    ~WindowTest() override { window.reset(); }

    app::ui::WizardWindow& openWindow() {
        window = std::make_unique<app::ui::WizardWindow>(view());
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    QPushButton* button(const QString& name) {
        QPushButton* found = uitest::findByAccessibleName<QPushButton>(window.get(), name);
        EXPECT_NE(found, nullptr) << "no visible button " << name.toStdString();
        return found;
    }

    void click(const QString& name) {
        QPushButton* target = button(name);
        if (target == nullptr) return;
        ASSERT_TRUE(target->isEnabled()) << name.toStdString();
        window->scrollArea()->ensureWidgetVisible(target);
        QTest::mouseClick(target, Qt::LeftButton);
    }

    QWidget* field(const QString& accessibleName) {
        QWidget* found = uitest::findByAccessibleName<QLineEdit>(window.get(), accessibleName);
        if (found == nullptr) {
            found = uitest::findByAccessibleName<QPlainTextEdit>(window.get(), accessibleName);
        }
        EXPECT_NE(found, nullptr) << "no field " << accessibleName.toStdString();
        return found;
    }

    // Replaces the whole text of a field by typing, as a person would. The field must
    // stay the same widget with the focus: a rebuild on every change would lose both.
    void typeInto(const QString& accessibleName, const QString& text) {
        QWidget* typed = field(accessibleName);
        ASSERT_NE(typed, nullptr);
        window->scrollArea()->ensureWidgetVisible(typed);
        typed->setFocus();
        QTest::keyClick(typed, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(typed, Qt::Key_Delete);
        QTest::keyClicks(typed, text);
        EXPECT_EQ(field(accessibleName), typed) << accessibleName.toStdString();
        EXPECT_TRUE(typed->hasFocus()) << accessibleName.toStdString();
    }

    QString pill() const { return window->header()->stepPill(); }

    testsupport::WizardFixture wizard;
    std::unique_ptr<app::ui::WizardWindow> window;
};

TEST_F(WindowTest, FirstShow_FitsA900By700Screen) {
    desktop().screenFrame = QRect(0, 0, 900, 700);
    app::ui::WizardWindow& shown = openWindow();
    ASSERT_TRUE(testsupport::waitUntil([&] { return shown.size() == QSize(868, 670); }, 10))
        << shown.width() << " x " << shown.height();
    EXPECT_EQ(shown.minimumSize(), QSize(868, 620));
    // 670 is below the scroll threshold: the header scrolls with the card.
    EXPECT_TRUE(shown.headerScrollsWithCard());
    EXPECT_TRUE(shown.scrollArea()->widget()->isAncestorOf(shown.header()));

    shown.setMinimumSize(100, 100);
    shown.resize(1200, 900);
    ASSERT_TRUE(testsupport::waitUntil([&] { return shown.height() == 900; }, 5));
    EXPECT_FALSE(shown.headerScrollsWithCard());
    EXPECT_FALSE(shown.scrollArea()->isAncestorOf(shown.header()));
}

TEST_F(WindowTest, PickersOpenedOverTheWindowStayReadable) {
    // The window's dark style must not reach the dialogs parented to it: light text
    // on the dialog's own background would be unreadable.
    app::ui::WizardWindow& shown = openWindow();
    QDialog picker(&shown);
    auto* label = new QLabel(QStringLiteral("File name:"), &picker);
    picker.ensurePolished();
    label->ensurePolished();
    const int text = label->palette().color(QPalette::WindowText).lightness();
    const int background = picker.palette().color(QPalette::Window).lightness();
    EXPECT_GT(std::abs(text - background), 120) << text << " on " << background;
}

TEST_F(WindowTest, APersonGoesFromLaunchToAFinishedMp3UsingOnlyTheWindow) {
    const QString songFolder = wizard.makeFolder(QStringLiteral("Desktop/Friday Set"));
    const QString outputFolder = wizard.makeFolder(QStringLiteral("Desktop/Finished"));
    const QStringList songs = uitest::writeSongs(
        songFolder, {QStringLiteral("First Song.wav"), QStringLiteral("Second Song.wav")});

    app::ui::WizardWindow& shown = openWindow();
    EXPECT_EQ(pill(), "Step 1 of 4: Tools");
    ASSERT_TRUE(testsupport::waitUntil([&] { return view().toolsReady(); }, 60))
        << state().missingToolNames.join(", ").toStdString();
    EXPECT_EQ(pill(), "Step 2 of 4: Songs");
    for (QPushButton* control : shown.findChildren<QPushButton*>()) {
        if (!control->isVisibleTo(&shown)) continue;
        const QString name = uitest::accessibleName(control);
        EXPECT_FALSE(name.isEmpty()) << control->text().toStdString();
        if (!control->text().isEmpty()) {
            EXPECT_EQ(name, QString(control->text()).remove('&'));
        }
    }

    // Ctrl+Return presses the main button, here "Choose Audio Files".
    EXPECT_TRUE(shown.currentCard()->mainButton()->isDefault());
    desktop().answerNextPanel(songs);
    QTest::keyClick(&shown, Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(testsupport::waitUntil(
        [&] { return shown.currentScreen() == WizardScreen::instructions; }, 5));
    EXPECT_EQ(desktop().panelRequests.at(0).title, "Choose 1 to 3 audio files");
    EXPECT_EQ(pill(), "Step 3 of 4: Instructions");

    typeInto(QStringLiteral("Song 1 start time"), QStringLiteral("0:00"));
    typeInto(QStringLiteral("Song 1 end time"), QStringLiteral("0:04"));
    typeInto(QStringLiteral("Song 1 note"),
             QStringLiteral("Play the opening phrase, then hand over."));
    typeInto(QStringLiteral("Song 2 end time"), QStringLiteral("0:04"));
    EXPECT_EQ(view().songEndTime(state().tracks[0]), "0:04");
    EXPECT_EQ(view().songGuidanceText(state().tracks[0]),
              "Play the opening phrase, then hand over.");
    // Tab walks the fields in reading order, also into the next song's box.
    field(QStringLiteral("Song 1 start time"))->setFocus();
    for (const char* name : {"Song 1 end time", "Song 1 note", "Replace song 2", "Move earlier",
                             "Song 2 start time"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(uitest::accessibleName(QApplication::focusWidget()), name);
    }
    button(QStringLiteral("Select Output Folder First"));  // the main button until then

    click(QStringLiteral("Fade"));
    EXPECT_EQ(state().finalEndingEffect, common::FinalEndingEffect::fade);
    EXPECT_EQ(desktop().preferences["tunewrightFinalEndingEffect"], "fade");
    desktop().answerNextPanel({outputFolder});
    click(QStringLiteral("Choose Output Folder"));
    ASSERT_EQ(state().outputFolder, outputFolder);

    click(QStringLiteral("Create Edit"));
    EXPECT_EQ(shown.currentScreen(), WizardScreen::createEdit);
    EXPECT_EQ(pill(), "Step 4 of 4: Creating");
    ASSERT_TRUE(testsupport::waitUntil([&] { return !state().isCreatingEdit; }, 180))
        << state().createLog.toStdString();
    ASSERT_TRUE(state().completedOutputFolder.has_value()) << state().status.toStdString() << "\n"
                                                           << state().createLog.toStdString();
    EXPECT_EQ(pill(), "Step 4 of 4: Complete");
    const QStringList shownTexts = uitest::visibleLabelTexts(&shown);
    EXPECT_TRUE(shownTexts.contains("Complete"));
    EXPECT_EQ(shownTexts.count("Complete"), 1 + 1 + 5)  // title, headline, five step marks
        << shownTexts.join(" | ").toStdString();
    EXPECT_EQ(uitest::findByAccessibleName<QPushButton>(&shown, QStringLiteral("Stop Edit")),
              nullptr);

    click(QStringLiteral("View Edit"));
    const QStringList mp3s = QDir(outputFolder).entryList({QStringLiteral("*.mp3")}, QDir::Files);
    ASSERT_EQ(mp3s.size(), 1) << mp3s.join(", ").toStdString();
    ASSERT_FALSE(desktop().revealedPaths.empty());
    EXPECT_EQ(desktop().revealedPaths.back(), outputFolder + "/" + mp3s[0]);
    EXPECT_EQ(state().status, "Complete. Showing the finished edit in the file manager.");

    click(QStringLiteral("Show Work Folder"));
    EXPECT_EQ(QDir(desktop().revealedPaths.back()).absolutePath(),
              QDir(songFolder + "/Tunewright Setup").absolutePath());

    click(QStringLiteral("Create Another Edit"));
    EXPECT_EQ(shown.currentScreen(), WizardScreen::songs);
    EXPECT_EQ(pill(), "Step 2 of 4: Songs");
    EXPECT_TRUE(state().tracks.empty());
}

// Every text a person or the agent reads on the way through an edit that the local engine
// refuses: the screens, the pickers, the status lines, the tool rows, the run's details and
// the hand-off files, down to what the diagnostics script prints. None may name another
// platform's facilities.
class PlatformWordsTest : public WindowTest {
protected:
    void collect(const std::string& where, const QString& text) { texts.push_back({where, text}); }
    void collectScreen(const std::string& where) {
        QCoreApplication::processEvents();
        for (const QString& text : uitest::visibleLabelTexts(window.get())) collect(where, text);
    }
    void collectToolRows(const std::string& where) {
        for (const app::tools::ToolCheck& check : state().toolChecks) {
            collect(where, check.name + "\n" + check.command + "\n" + check.status);
        }
    }
    void checkTools() {
        view().refreshToolChecksInBackground();
        ASSERT_TRUE(testsupport::waitUntil([&] { return !state().isCheckingTools; }, 60));
    }
    bool anyTextContains(const QString& phrase) const {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const auto& text) { return text.second.contains(phrase); });
    }

    std::vector<std::pair<std::string, QString>> texts;
};

TEST_F(PlatformWordsTest, NoScreenStatusToolRowOrHandOffTextNamesAnotherPlatform) {
    const QString realBundle = desktop().resourceFolderPath;
    desktop().resourceFolderPath = wizard.makeFolder("Empty App");
    openWindow();
    checkTools();
    collectScreen("Step 1 without the renderer");
    collectToolRows("tool rows without the renderer");
    desktop().resourceFolderPath = realBundle;
    checkTools();
    collectToolRows("tool rows");
    collectScreen("Step 2");

    // Refused picks: songs and a replacement from a media library, an output folder there.
    const QString library = wizard.makeFolder("Desktop/Photos Library");
    const QStringList blocked = uitest::writeSongs(library, {"Blocked.wav"}, 0.5);
    desktop().answerNextPanel(blocked);
    view().chooseSongFiles();
    collect("blocked songs", state().status);
    const QString songs = wizard.makeFolder("Desktop/Set");
    uitest::writeSongs(songs, {"One.wav", "Two.wav"}, 0.5);
    desktop().answerNextPanel({songs});
    view().chooseSongFolder();
    desktop().answerNextPanel(blocked);
    view().replaceTrack(0);
    collect("blocked replacement", state().status);
    desktop().answerNextPanel({library});
    view().chooseOutputFolder();
    collect("blocked output folder", state().status);
    for (const app::OpenPanelRequest& request : desktop().panelRequests) {
        collect("picker", request.title + "\n" + request.prompt + "\n" + request.message);
    }
    for (const app::songs::AIAssistMode mode :
         {app::songs::AIAssistMode::localOnly, app::songs::AIAssistMode::codexFallback,
          app::songs::AIAssistMode::providerLater}) {
        collect("assist mode", app::songs::title(mode) + "\n" + app::songs::detail(mode));
    }

    // An edit the engine refuses, with the agent chosen but not found.
    const QString output = wizard.makeFolder("Desktop/Edits");
    desktop().answerNextPanel({output});
    view().chooseOutputFolder();
    view().chooseAIAssistMode(app::songs::AIAssistMode::codexFallback);
    view().setSongGuidanceText(state().tracks[1], "Add a tape stop at the end.");
    collectScreen("Step 3");
    view().createEdit();
    ASSERT_TRUE(testsupport::waitUntil(
        [&] { return !state().isCreatingEdit && state().showCreateProgressScreen; }, 30));
    collect("refused edit", state().status + "\n" + state().createLog);
    for (const app::run::InstallPhase& step : state().createSteps) collect("step", step.detail);
    collectScreen("Step 4");

    const QDir handoff(songs + "/Tunewright Setup");
    for (const char* file :
         {"velvetcut-prompt.md", "velvetcut-skill/SKILL.md", "README-FIRST.md"}) {
        const QString text = testsupport::readText(handoff.filePath(file));
        EXPECT_FALSE(text.isEmpty()) << file;
        collect(file, text);
    }
    common::SubprocessOptions diagnostics;
    diagnostics.executable = "/bin/bash";
    diagnostics.arguments = {handoff.filePath("run-audio-diagnostics.sh").toStdString()};
    const common::CapturedRun run = common::runAndCapture(diagnostics, 1 << 20);
    EXPECT_TRUE(run.status.succeeded()) << run.output;
    collect("diagnostics output", QString::fromStdString(run.output));

    view().viewCreatedEdit();
    collect("view edit without an edit", state().status);
    uitest::writeSongs(output, {"Edit.mp3"}, 0.5);
    view().viewCreatedEdit();
    collect("view edit", state().status);
    state().completedOutputFolder = output;
    view().notifyChanged();
    collectScreen("Step 4 complete");

    // The scan reached the texts that once named the other platform's facilities.
    for (const char* phrase :
         {"in the file manager.", "on this computer", "slower computers", "Choose a regular folder",
          "access to the Music or Pictures libraries", "The Music and Pictures libraries",
          "Do not choose the Music or Pictures libraries", "Package manager",
          "Audio decoding libraries\nFFmpeg\nUsed by the local renderer:\nlibavformat ",
          "OK: Package manager -> "}) {
        EXPECT_TRUE(anyTextContains(phrase)) << phrase;
    }
    const QRegularExpression otherPlatform(
        QStringLiteral(R"(Finder|\bMacs?\b|macOS|Apple|AVFoundation|xcode|Photos)"));
    for (const auto& [where, text] : texts) {
        const QRegularExpressionMatch match = otherPlatform.match(text);
        EXPECT_FALSE(match.hasMatch())
            << where << ": \"" << match.captured().toStdString() << "\" in\n"
            << text.toStdString();
    }
}

}  // namespace
