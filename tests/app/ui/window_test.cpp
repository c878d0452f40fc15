// The whole window, used the way a person uses it: keyboard and mouse on the
// real widgets, the real tool check and the real engine of the build tree.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <atomic>
#include <functional>

#include "app/run/live_status.h"
#include "app/songs/edit_options.h"
#include "app/ui/components.h"
#include "app/ui/desktop_notification.h"
#include "app/ui/qt_platform_services.h"
#include "app/ui/screen_card.h"
#include "app/ui/symbols.h"
#include "app/ui/wizard_header.h"
#include "app/ui/wizard_window.h"
#include "tests/app/support/wizard_test_helpers.h"
#include "tests/app/ui/test_daemons.h"
#include "tests/app/ui/ui_test_support.h"

namespace {

using testsupport::waitUntil;
using uitest::accessibleName;
using uitest::findByAccessibleName;
using uitest::visibleLabelTexts;

using app::run::ProgressRowState;
using app::ui::WizardScreen;
using testsupport::readText;

class WindowTest : public testsupport::WizardTest {
protected:
    WindowTest() {
        // A failed local run must not reach for an agent installed on this machine.
        wizard.view->tools().setAgentLocatorForTesting([] { return std::optional<QString>(); });
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
        QPushButton* found = findByAccessibleName<QPushButton>(window.get(), name);
        EXPECT_NE(found, nullptr) << "no visible button " << name.toStdString();
        return found;
    }

    void click(const QString& name) {
        QPushButton* target = button(name);
        if (target == nullptr) return;
        ASSERT_TRUE(target->isEnabled()) << name.toStdString();
        // A text that changed just before may still move the button once its layout runs, and
        // a press and release on two different places is no click.
        QCoreApplication::processEvents();
        window->scrollArea()->ensureWidgetVisible(target);
        QTest::mouseClick(target, Qt::LeftButton);
    }

    QWidget* field(const QString& accessibleName) {
        QWidget* found = findByAccessibleName<QLineEdit>(window.get(), accessibleName);
        if (found == nullptr) {
            found = findByAccessibleName<QPlainTextEdit>(window.get(), accessibleName);
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

    // A bundle whose engine runs `body` (with the real encoder beside it), the tool check
    // answered as ready, the window open on Step 3 with two songs and an output folder.
    void openOnStep3WithEngine(const QByteArray& body) {
        desktop().resourceFolderPath = testsupport::writeFakeBundle(
            wizard.makeFolder("FakeBundle"), body, testsupport::BundledLame::buildTrees);
        testsupport::answerToolCheckAsReady(view());  // the real check is another test's subject

        openWindow();
        songFolder = wizard.makeFolder("Desktop/Set");
        outputFolder = wizard.makeFolder("Desktop/Edits");
        desktop().answerNextPanel(uitest::writeSongs(songFolder, {"One.wav", "Two.wav"}, 0.5));
        QTest::keyClick(window.get(), Qt::Key_Return, Qt::ControlModifier);
        ASSERT_TRUE(
            waitUntil([&] { return window->currentScreen() == WizardScreen::instructions; }, 5));
        desktop().answerNextPanel({outputFolder});
        click("Choose Output Folder");
        ASSERT_EQ(state().outputFolder, outputFolder);
    }

    // Sends the accessibility action a screen reader or voice control would send.
    static void accessibleToggle(QWidget* widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        QAccessibleActionInterface* actions = accessible->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        actions->doAction(QAccessibleActionInterface::toggleAction());
    }

    QString songFolder;
    QString outputFolder;

    std::unique_ptr<app::ui::WizardWindow> window;
};

TEST_F(WindowTest, FirstShow_FitsA900By700Screen) {
    desktop().screenFrame = QRect(0, 0, 900, 700);
    app::ui::WizardWindow& shown = openWindow();
    // The sizes are the frame's; the client area is smaller by the frame's borders.
    ASSERT_TRUE(waitUntil([&] { return shown.frameGeometry().size() == QSize(868, 670); }, 10))
        << shown.frameGeometry().width() << " x " << shown.frameGeometry().height();
    const QSize borders = shown.frameGeometry().size() - shown.size();
    EXPECT_EQ(shown.minimumSize() + borders, QSize(868, 620));
    // 670 is below the scroll threshold: the header scrolls with the card.
    EXPECT_TRUE(shown.scrollArea()->widget()->isAncestorOf(shown.header()));

    shown.setMinimumSize(100, 100);
    shown.resize(1200, 900);
    ASSERT_TRUE(waitUntil([&] { return shown.height() == 900; }, 5));
    EXPECT_FALSE(shown.scrollArea()->isAncestorOf(shown.header()));
}

TEST_F(WindowTest, PickersOpenedOverTheWindowStayReadable) {
    // The window's dark style must not reach the dialogs parented to it: light text
    // on the dialog's own background would be unreadable.
    app::ui::WizardWindow& shown = openWindow();
    QDialog picker(&shown);
    auto* label = new QLabel("File name:", &picker);
    picker.ensurePolished();
    label->ensurePolished();
    const int text = label->palette().color(QPalette::WindowText).lightness();
    const int background = picker.palette().color(QPalette::Window).lightness();
    EXPECT_GT(std::abs(text - background), 120) << text << " on " << background;
}

TEST_F(WindowTest, APersonGoesFromLaunchToAFinishedMp3UsingOnlyTheWindow) {
    const QString songFolder = wizard.makeFolder("Desktop/Friday Set");
    const QString outputFolder = wizard.makeFolder("Desktop/Finished");
    const QStringList songs = uitest::writeSongs(songFolder, {"First Song.wav", "Second Song.wav"});

    desktop().screenFrame = QRect(0, 0, 1366, 768);  // a common laptop screen
    app::ui::WizardWindow& shown = openWindow();
    EXPECT_EQ(pill(), "Step 1 of 4: Tools");
    ASSERT_TRUE(waitUntil([&] { return view().tools().toolsReady(); }, 60))
        << state().missingToolNames.join(", ").toStdString();
    EXPECT_EQ(pill(), "Step 2 of 4: Songs");
    for (QPushButton* control : shown.findChildren<QPushButton*>()) {
        if (!control->isVisibleTo(&shown)) continue;
        const QString name = accessibleName(control);
        EXPECT_FALSE(name.isEmpty()) << control->text().toStdString();
        if (!control->text().isEmpty()) {
            EXPECT_EQ(name, QString(control->text()).remove('&'));
        }
    }

    // Ctrl+Return presses the main button, here "Choose Audio Files".
    EXPECT_TRUE(shown.currentCard()->mainButton()->isDefault());
    desktop().answerNextPanel(songs);
    QTest::keyClick(&shown, Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(waitUntil([&] { return shown.currentScreen() == WizardScreen::instructions; }, 5));
    EXPECT_EQ(desktop().panelRequests.at(0).title, "Choose 1 to 3 audio files");
    EXPECT_EQ(pill(), "Step 3 of 4: Instructions");

    typeInto("Song 1 start time", "0:00");
    typeInto("Song 1 end time", "0:04");
    typeInto("Song 1 note", "Play the opening phrase, then hand over.");
    typeInto("Song 2 end time", "0:04");
    EXPECT_EQ(view().settings().songEndTime(state().tracks[0]), "0:04");
    EXPECT_EQ(view().settings().songGuidanceText(state().tracks[0]),
              "Play the opening phrase, then hand over.");
    // Tab walks the fields in reading order, also into the next song's box.
    field("Song 1 start time")->setFocus();
    for (const char* name : {"Song 1 end time", "Song 1 note", "Into song 2: Cut", "Replace song 2",
                             "Move earlier", "Song 2 start time"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(accessibleName(QApplication::focusWidget()), name);
    }
    button("Select Output Folder First");  // the main button until then

    click("Fade");
    EXPECT_EQ(state().finalEndingEffect, common::FinalEndingEffect::fade);
    desktop().answerNextPanel({outputFolder});
    click("Choose Output Folder");
    ASSERT_EQ(state().outputFolder, outputFolder);

    click("Create Edit");
    EXPECT_EQ(shown.currentScreen(), WizardScreen::createEdit);
    EXPECT_EQ(pill(), "Step 4 of 4: Creating");
    ASSERT_TRUE(waitUntil([&] { return !state().isCreatingEdit; }, 180))
        << state().createLog.toStdString();
    ASSERT_TRUE(state().completedOutputFolder.has_value()) << state().status.toStdString() << "\n"
                                                           << state().createLog.toStdString();
    EXPECT_EQ(pill(), "Step 4 of 4: Complete");
    // The real engine made it: every row done, the typed end in its job, its log and last
    // message beside the songs, the notes beside the edit.
    for (const auto& row : state().createSteps) EXPECT_EQ(row.state, ProgressRowState::done);
    EXPECT_TRUE(state().createLog.startsWith("Complete. Standalone local engine finished"));
    const QString handoff = songFolder + "/Tunewright Setup/";
    EXPECT_TRUE(readText(handoff + "fast-time-render-job.json").contains("\"endTime\":\"0:04\""));
    EXPECT_TRUE(readText(handoff + "fast-time-render-log.txt").contains("LOCAL_RENDER_OK"));
    EXPECT_TRUE(readText(handoff + "codex-last-message.txt").contains("local engine saved"));
    EXPECT_TRUE(QFile::exists(outputFolder + "/edit-notes.md"));
    const auto stepMarksShown = [&] {
        return visibleLabelTexts(&shown).count("Complete") - 2;  // title and headline
    };
    EXPECT_EQ(stepMarksShown(), 0) << "the finished rows fold into one line";
    EXPECT_EQ(findByAccessibleName<QPushButton>(&shown, "Stop Edit"), nullptr);
    // Under the edit's name: its waveform and, once it is read, its join's buttons.
    ASSERT_TRUE(
        waitUntil([&] { return findByAccessibleName<QPushButton>(&shown, "Play Ending"); }, 30));
    EXPECT_EQ(findByAccessibleName<QPushButton>(&shown, "Play Join 2"), nullptr);
    // On that screen every mark is a drawn symbol and the edit is in view without scrolling.
    QCoreApplication::processEvents();
    for (QLabel* label : shown.findChildren<QLabel*>()) {
        if (auto* mark = dynamic_cast<app::ui::SymbolLabel*>(label)) {
            EXPECT_TRUE(app::ui::isKnownSymbol(mark->symbolName()))
                << mark->symbolName().toStdString();
        }
    }
    QWidget* viewport = shown.scrollArea()->viewport();
    for (QWidget* part : {static_cast<QWidget*>(shown.findChild<QLabel*>("finishedEditName")),
                          findByAccessibleName<QWidget>(&shown, "Edit waveform"),
                          static_cast<QWidget*>(button("Play Join 1")),
                          static_cast<QWidget*>(button("Play Ending")),
                          static_cast<QWidget*>(button("View Edit"))}) {
        ASSERT_NE(part, nullptr);
        const QRect where(part->mapTo(viewport, QPoint(0, 0)), part->size());
        EXPECT_TRUE(viewport->rect().contains(where))
            << accessibleName(part).toStdString() << " at y " << where.y() << " to "
            << where.bottom() << " in a view " << viewport->height() << " high";
    }
    // The folded line opens with the keyboard and closes with the screen reader's action.
    QPushButton* fold = button("All 5 steps complete");
    ASSERT_NE(fold, nullptr);
    fold->setFocus();
    QTest::keyClick(fold, Qt::Key_Space);
    EXPECT_EQ(stepMarksShown(), 5);
    accessibleToggle(fold);
    EXPECT_EQ(stepMarksShown(), 0);

    click("View Edit");
    const QStringList mp3s = QDir(outputFolder).entryList({"*.mp3"}, QDir::Files);
    ASSERT_EQ(mp3s.size(), 1) << mp3s.join(", ").toStdString();
    EXPECT_TRUE(mp3s[0].endsWith(" - continuous DJ edit.mp3")) << mp3s[0].toStdString();
    ASSERT_FALSE(desktop().revealedPaths.empty());
    EXPECT_EQ(desktop().revealedPaths.back(), outputFolder + "/" + mp3s[0]);

    click("Show Work Folder");
    EXPECT_EQ(QDir(desktop().revealedPaths.back()).absolutePath(),
              QDir(songFolder + "/Tunewright Setup").absolutePath());

    click("Create Another Edit");
    EXPECT_EQ(shown.currentScreen(), WizardScreen::songs);
    EXPECT_EQ(pill(), "Step 2 of 4: Songs");
    EXPECT_TRUE(state().tracks.empty());
}

// A symbol's own name ("brain.head.profile"), as opposed to words.
bool isSymbolName(const QString& text) {
    static const QRegularExpression dotted(QStringLiteral("^[a-z]+(\\.[a-z0-9]+)+$"));
    return dotted.match(text).hasMatch() || app::ui::knownSymbolNames().contains(text);
}

// What a screen reader meets in the window's accessibility tree: every node it is told is
// shown, as "role: name". The faults are the nodes that read a symbol's name (as name,
// description, value or text) and the pictures shown without a name, which it reads as "image".
struct SpokenTree {
    QStringList graphicNames;
    QStringList faults;

    explicit SpokenTree(QWidget* window) { walk(QAccessible::queryAccessibleInterface(window)); }

private:
    void walk(QAccessibleInterface* node) {
        if (node == nullptr || node->state().invisible) return;
        QStringList read = {node->text(QAccessible::Name), node->text(QAccessible::Description),
                            node->text(QAccessible::Value)};
        if (QAccessibleTextInterface* text = node->textInterface()) {
            read << text->text(0, text->characterCount());
        }
        for (const QString& words : read) {
            if (isSymbolName(words)) faults << "reads the symbol name " + words;
        }
        if (node->role() == QAccessible::Graphic) {
            graphicNames << node->text(QAccessible::Name);
            if (node->text(QAccessible::Name).isEmpty()) faults << "an unnamed picture";
        }
        for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
    }
};

// Every screen of a run, as a screen reader reads it: the marks that carry a meaning say it
// in words (a tool tile's state, which nothing else on the tile says); the symbols beside a
// text that says the same are silent; no symbol is ever read by its own name.
TEST_F(WindowTest, ScreenReadersHearWordsForMarksAndNothingForDecoration) {
    const auto expectSpokenWell = [&](const char* screen) {
        QCoreApplication::processEvents();
        const SpokenTree spoken(window.get());
        EXPECT_EQ(spoken.faults, QStringList()) << screen;
        // The check sees the symbols at all: each one shown is a picture, named or silent.
        int decorative = 0;
        for (auto* mark : window->findChildren<app::ui::SymbolLabel*>()) {
            if (!mark->isVisibleTo(window.get())) continue;
            EXPECT_FALSE(isSymbolName(accessibleName(mark))) << screen;
            if (mark->isDecorative()) ++decorative;
        }
        EXPECT_GT(decorative, 0) << screen;
        return spoken.graphicNames;
    };
    openWindow();
    ASSERT_TRUE(waitUntil([&] { return view().tools().toolsReady(); }, 60));
    // Step 1 as a broken install shows it: one tool ready, one missing, a helper not installed.
    const auto row = [](const char* name, bool ready, const char* status) {
        app::tools::ToolCheck check;
        check.name = QString::fromLatin1(name);
        check.command = check.name.toLower();
        check.status = QString::fromLatin1(status);
        check.isReady = ready;
        return check;
    };
    view().tools().applyToolCheckResults(
        {row("Local music renderer", false, "Missing from app bundle. Reinstall Tunewright."),
         row("MP3 encoder", true, "Bundled in this app:\n/opt/tunewright/bin/lame"),
         row("Git", false, "Not found.")});
    ASSERT_TRUE(waitUntil([&] { return window->currentScreen() == WizardScreen::tools; }, 5));
    QStringList marks = expectSpokenWell("Step 1");
    marks.sort();
    EXPECT_EQ(marks, QStringList({"Missing", "Not installed", "Ready"}));

    click("Check Again");
    ASSERT_TRUE(waitUntil([&] { return window->currentScreen() == WizardScreen::songs; }, 60));
    EXPECT_EQ(expectSpokenWell("Step 2"), QStringList());

    const QString songs = wizard.makeFolder("Desktop/Set");
    desktop().answerNextPanel(uitest::writeSongs(songs, {"One.wav"}, 3.0, 0.5));
    click("Choose Audio Files");
    ASSERT_TRUE(
        waitUntil([&] { return window->currentScreen() == WizardScreen::instructions; }, 5));
    desktop().answerNextPanel({wizard.makeFolder("Desktop/Edits")});
    click("Choose Output Folder");
    EXPECT_EQ(expectSpokenWell("Step 3"), QStringList());

    click("Create Edit");
    ASSERT_EQ(window->currentScreen(), WizardScreen::createEdit);
    EXPECT_EQ(expectSpokenWell("Step 4, creating"), QStringList());
    ASSERT_TRUE(waitUntil([&] { return !state().isCreatingEdit; }, 180))
        << state().createLog.toStdString();
    ASSERT_TRUE(state().completedOutputFolder.has_value()) << state().createLog.toStdString();
    QPushButton* fold = button("All 5 steps complete");
    ASSERT_NE(fold, nullptr);
    accessibleToggle(fold);  // the rows' marks in view too
    const QStringList pictures = expectSpokenWell("Step 4, complete");
    EXPECT_TRUE(pictures.isEmpty() || pictures == QStringList({"Cover art"}))
        << pictures.join(", ").toStdString();
}

TEST_F(WindowTest, CtrlReturnNeverStopsAnEditAndStep4SaysWhenItStopped) {
    openOnStep3WithEngine("echo 'LOCAL_STEP cuts done'\nexec sleep 30");
    QTest::keyClick(window.get(), Qt::Key_Return, Qt::ControlModifier);
    // The rows the engine's step line finished read as a finished edit's rows do.
    ASSERT_TRUE(waitUntil(
        [&] {
            return visibleLabelTexts(window.get())
                .contains("Timing and phrase targets snapped to clean cut points.");
        },
        10))
        << state().createLog.toStdString();
    EXPECT_TRUE(
        visibleLabelTexts(window.get()).contains("Local audio and structure scan complete."));
    EXPECT_EQ(window->currentScreen(), WizardScreen::createEdit);

    // The same keys pressed again, as a person double-pressing Create Edit would.
    QTest::keyClick(window.get(), Qt::Key_Return, Qt::ControlModifier);
    waitUntil([] { return false; }, 0.4);
    EXPECT_TRUE(state().isCreatingEdit);
    QPushButton* stop = button("Stop Edit");
    ASSERT_NE(stop, nullptr);
    EXPECT_FALSE(stop->isDefault());
    const QStringList creating = visibleLabelTexts(window.get());
    EXPECT_TRUE(creating.contains("Creating your music edit"));
    EXPECT_TRUE(creating.contains(app::run::liveEditMonitoringNote));

    QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);  // the Alt shortcut of Stop Edit
    ASSERT_TRUE(waitUntil([&] { return !state().isCreatingEdit; }, 5));
    const QStringList shown = visibleLabelTexts(window.get());
    EXPECT_FALSE(shown.contains("Creating your music edit")) << shown.join(" | ").toStdString();
    EXPECT_EQ(shown.count("Edit stopped"), 2);  // the card title and the live headline
    // Nothing runs: no "Creating", no estimate, no monitoring.
    EXPECT_EQ(pill(), "Step 4 of 4: Stopped");
    EXPECT_FALSE(shown.contains(app::run::liveEditMonitoringNote));
    EXPECT_EQ(shown.filter(QRegularExpression("^Elapsed: \\d+:\\d\\d$")).size(), 1)
        << shown.join(" | ").toStdString();
    EXPECT_EQ(window->header()->subtitle(), view().progress().liveEditMessage());
    EXPECT_FALSE(window->header()->subtitle().contains("Keep this app open"));
    EXPECT_EQ(state().status, "Edit stopped. You can go back and make changes.");
}

// The window system has not yet given the window its activation back (a dialog just closed, a
// busy machine) when the person presses Ctrl+Return after typing the last note.
TEST_F(WindowTest, CtrlReturnInTheLastNoteCreatesTheEditBeforeTheWindowIsActiveAgain) {
    openOnStep3WithEngine("exit 2");
    typeInto("Song 2 note", "Fade out slowly.");
    QWidget* note = field("Song 2 note");
    note->setFocus();
    // The window system's focus is still elsewhere when the keys reach the field.
    QWindow elsewhere;
    elsewhere.show();
    elsewhere.requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    QTest::keyClick(note, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(waitUntil([&] { return window->currentScreen() == WizardScreen::createEdit; }, 5));
    EXPECT_EQ(view().settings().songGuidanceText(state().tracks[1]), "Fade out slowly.");
}

TEST_F(WindowTest, BackFromAFinishedEditKeepsViewEditOnStep3UntilASettingChanges) {
    const QByteArray out = (wizard.homePath() + "/Desktop/Edits").toUtf8();
    openOnStep3WithEngine("printf 'ID3 edit' > '" + out + "/Set - DJ edit.mp3'\n" +
                          "printf '# Notes' > '" + out + "/edit-notes.md'\n");
    click("Create Edit");
    ASSERT_TRUE(waitUntil([&] { return !state().isCreatingEdit; }, 20));
    ASSERT_TRUE(state().completedOutputFolder.has_value()) << state().createLog.toStdString();

    // A tool check that started before Back and ends after it leaves Back's line alone.
    std::atomic<bool> checkMayEnd{false};
    view().tools().setAgentLocatorForTesting([&checkMayEnd]() -> std::optional<QString> {
        for (int wait = 0; wait < 1000 && !checkMayEnd; ++wait) QThread::msleep(10);
        return std::nullopt;
    });
    state().isCheckingTools = false;
    view().tools().refreshToolChecksInBackground();
    click("Back");
    checkMayEnd = true;
    ASSERT_TRUE(waitUntil([&] { return !state().isCheckingTools; }, 60));
    ASSERT_EQ(window->currentScreen(), WizardScreen::instructions);
    EXPECT_EQ(state().status,
              "Back on Step 3. The finished edit is still available from View Edit.");
    EXPECT_EQ(window->header()->status(), state().status);
    click("View Edit");
    ASSERT_FALSE(desktop().revealedPaths.empty());
    EXPECT_EQ(desktop().revealedPaths.back(), outputFolder + "/Set - DJ edit.mp3");

    typeInto("Song 2 end time", "0:01");
    EXPECT_EQ(findByAccessibleName<QPushButton>(window.get(), "View Edit"), nullptr);
}

TEST_F(WindowTest, ChoiceButtonsFollowTheScreenReadersToggle) {
    openOnStep3WithEngine("exit 2");
    const auto checkedTitles = [&](std::initializer_list<const char*> titles) {
        QStringList checked;
        for (const char* title : titles) {
            QPushButton* choice = button(QString::fromLatin1(title));
            if (choice != nullptr && choice->isChecked()) checked << title;
        }
        return checked;
    };
    ASSERT_EQ(state().finalEndingEffect, common::FinalEndingEffect::fade);

    accessibleToggle(button("Off"));
    EXPECT_EQ(state().finalEndingEffect, common::FinalEndingEffect::none);
    EXPECT_EQ(desktop().preferences["tunewrightFinalEndingEffect"], "none");
    EXPECT_EQ(checkedTitles({"Off", "Fade", "Echo/Fade"}), QStringList({"Off"}));
    EXPECT_TRUE(visibleLabelTexts(window.get())
                    .contains(app::songs::detail(common::FinalEndingEffect::none)));

    // Toggling the chosen one again cannot leave the group without a choice.
    accessibleToggle(button("Off"));
    EXPECT_EQ(checkedTitles({"Off", "Fade", "Echo/Fade"}), QStringList({"Off"}));
    EXPECT_EQ(state().finalEndingEffect, common::FinalEndingEffect::none);

    // Space on the focused button is the keyboard's way.
    QPushButton* echo = button("Echo/Fade");
    ASSERT_NE(echo, nullptr);
    echo->setFocus();
    QTest::keyClick(echo, Qt::Key_Space);
    EXPECT_EQ(state().finalEndingEffect, common::FinalEndingEffect::echoFade);
    EXPECT_EQ(checkedTitles({"Off", "Fade", "Echo/Fade"}), QStringList({"Echo/Fade"}));

    // Snap, Beat by default: Toggle chooses Off. Tab enters a group of choices once, as it
    // does the endings, so it leads from the endings to the snap and on to AI assist; the
    // arrows move inside the group and Space chooses.
    const char* snapBeat = "Snap cuts to: Beat";
    const char* snapBar = "Snap cuts to: Bar";
    const char* snapOff = "Snap cuts to: Off";
    ASSERT_EQ(state().snapCutsTo, app::songs::SnapCutsTo::beat);
    accessibleToggle(button(snapOff));
    EXPECT_EQ(state().snapCutsTo, app::songs::SnapCutsTo::off);
    EXPECT_EQ(desktop().preferences["tunewrightSnapToBeat"], "false");
    EXPECT_EQ(desktop().preferences["tunewrightSnapCutsTo"], "off");
    EXPECT_EQ(checkedTitles({snapBeat, snapBar, snapOff}), QStringList({snapOff}));
    EXPECT_TRUE(
        visibleLabelTexts(window.get()).contains(app::songs::detail(app::songs::SnapCutsTo::off)));
    const auto tabTo = [](const char* name) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(accessibleName(QApplication::focusWidget()), name);
    };
    tabTo(snapBeat);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(accessibleName(QApplication::focusWidget()), snapBar);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(state().snapCutsTo, app::songs::SnapCutsTo::bar);
    EXPECT_EQ(desktop().preferences["tunewrightSnapToBeat"], "true");
    EXPECT_EQ(desktop().preferences["tunewrightSnapCutsTo"], "bar");
    EXPECT_EQ(checkedTitles({snapBeat, snapBar, snapOff}), QStringList({snapBar}));
    EXPECT_TRUE(
        visibleLabelTexts(window.get()).contains(app::songs::detail(app::songs::SnapCutsTo::bar)));
    accessibleToggle(button(snapBeat));
    EXPECT_EQ(state().snapCutsTo, app::songs::SnapCutsTo::beat);
    EXPECT_EQ(desktop().preferences["tunewrightSnapCutsTo"], "beat");
    button(snapOff)->setFocus();
    tabTo("Local Only");

    accessibleToggle(button("Local Only"));
    EXPECT_EQ(state().aiAssistMode, app::songs::AIAssistMode::localOnly);
    EXPECT_EQ(desktop().preferences["reelhopperAIAssistMode"],
              app::songs::id(app::songs::AIAssistMode::localOnly));
    EXPECT_EQ(checkedTitles({"Local Only", "Codex Fallback", "Provider API"}),
              QStringList({"Local Only"}));
    EXPECT_TRUE(visibleLabelTexts(window.get())
                    .contains(app::songs::detail(app::songs::AIAssistMode::localOnly)));
}

// The join into song 2 follows the note as it is typed until the person chooses by hand; the
// line under the note says what the engine will do and is read with the note.
TEST_F(WindowTest, IntoSongChoiceFollowsTheNoteUntilChosenByHand) {
    openOnStep3WithEngine("exit 2");
    const QString cut = "Into song 2: Cut";
    const QString blend4 = "Into song 2: Blend 4 beats";
    const QString blend8 = "Into song 2: Blend 8 beats";
    const QString blend16 = "Into song 2: Blend 16 beats";
    const auto checked = [&] {
        QStringList names;
        for (const QString& name : {cut, blend4, blend8, blend16}) {
            QPushButton* choice = button(name);
            if (choice != nullptr && choice->isChecked()) names << name;
        }
        return names;
    };
    const auto expectLine = [&](const QString& line) {
        EXPECT_TRUE(visibleLabelTexts(window.get()).contains(line)) << line.toStdString();
        EXPECT_TRUE(field("Song 1 note")->accessibleDescription().endsWith(line))
            << field("Song 1 note")->accessibleDescription().toStdString();
    };
    EXPECT_EQ(findByAccessibleName<QPushButton>(window.get(), "Into song 3: Cut"), nullptr);
    EXPECT_EQ(checked(), QStringList({cut}));
    expectLine("Cut into song 2");

    typeInto("Song 1 note", "blend into song 2 over 2 bars");
    EXPECT_EQ(checked(), QStringList({blend8}));
    expectLine("Blend into song 2 over 8 beats, beat-matched");
    EXPECT_TRUE(state().songJoinChoices.isEmpty());

    // Tab leads from the note into the group at its chosen button and on to song 2; the arrows
    // move inside and Space chooses.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(accessibleName(QApplication::focusWidget()), blend8);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(accessibleName(QApplication::focusWidget()), blend16);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(checked(), QStringList({blend16}));
    const QString wins = " (your choice in Into song 2 wins over the note)";
    expectLine("Blend into song 2 over 16 beats, beat-matched" + wins);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(accessibleName(QApplication::focusWidget()), "Replace song 2");

    // From now on the hand choice wins, whatever the note says.
    typeInto("Song 1 note", "just cut");
    EXPECT_EQ(checked(), QStringList({blend16}));
    accessibleToggle(button(cut));
    EXPECT_EQ(checked(), QStringList({cut}));
    expectLine("Cut into song 2");  // what the note asks too
    accessibleToggle(button(blend4));
    expectLine("Blend into song 2 over 4 beats, beat-matched" + wins);

    // Song 1 moves last: it has no join, and the new song 1's note decides again.
    click("Move later");
    QCoreApplication::processEvents();  // the rebuilt boxes show on the next turn of the loop
    EXPECT_TRUE(state().songJoinChoices.isEmpty()) << state().tracks[0].name().toStdString();
    EXPECT_EQ(checked(), QStringList({cut}));
    EXPECT_EQ(findByAccessibleName<QPushButton>(window.get(), "Into song 3: Cut"), nullptr);
    // The keyboard stays with the moved song, on the arrow that is left.
    EXPECT_EQ(accessibleName(QApplication::focusWidget()), "Move earlier");
    EXPECT_EQ(field("Song 2 note")->property("plainText").toString(), "just cut");
}

// The effects sit in the same choice, a row under the blends; the last song's ending is a
// choice of its own while the final ending is Off, and it belongs to the edit's end.
TEST_F(WindowTest, EffectsAreChoicesIntoTheNextSongAndForTheLastSongsEnding) {
    openOnStep3WithEngine("exit 2");
    const auto shown = [&](const QString& name) {
        return findByAccessibleName<QPushButton>(window.get(), name) != nullptr;
    };
    typeInto("Song 1 note", "tape stop into song 2");
    EXPECT_TRUE(button("Into song 2: Tape stop")->isChecked());
    EXPECT_TRUE(visibleLabelTexts(window.get()).contains("Tape stop into song 2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(accessibleName(QApplication::focusWidget()), "Into song 2: Tape stop");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(accessibleName(QApplication::focusWidget()).startsWith("Into song 2: Blend") ||
                accessibleName(QApplication::focusWidget()) == "Into song 2: Cut")
        << accessibleName(QApplication::focusWidget()).toStdString();
    button("Into song 2: Tape stop")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(visibleLabelTexts(window.get())
                    .contains("Backspin into song 2 (your choice in Into song 2 wins over the note)"));

    // The ending waits for Off; a pause needs a song after it.
    EXPECT_FALSE(shown("Ending: Cut"));
    accessibleToggle(button("Off"));
    EXPECT_TRUE(button("Ending: Cut")->isChecked());
    EXPECT_FALSE(shown("Ending: Pause"));
    typeInto("Song 2 note", "end with a backspin");
    EXPECT_TRUE(button("Ending: Backspin")->isChecked());
    EXPECT_TRUE(visibleLabelTexts(window.get()).contains("Ends with a backspin"));
    accessibleToggle(button("Ending: Stutter"));
    EXPECT_EQ(state().endingChoice, app::songs::JoinChoice::stutter);
    EXPECT_TRUE(visibleLabelTexts(window.get())
                    .contains("Ends with a stutter (your choice in Ending wins over the note)"));

    // Song 1 moves last: its hand-chosen backspin goes, the ending stays the edit's.
    click("Move later");
    QCoreApplication::processEvents();
    EXPECT_TRUE(state().songJoinChoices.isEmpty());
    EXPECT_TRUE(button("Ending: Stutter")->isChecked());
    EXPECT_TRUE(button("Into song 2: Backspin")->isChecked());  // the new song 1's note asks it
    click("Create Edit");
    ASSERT_TRUE(waitUntil([&] { return !state().isCreatingEdit; }, 60));
    const QString job = readText(songFolder + "/Tunewright Setup/fast-time-render-job.json");
    EXPECT_TRUE(job.contains(R"("note":"tape stop into song 2","transition":{"style":"stutter"})"))
        << job.toStdString();
    EXPECT_TRUE(job.contains(R"("note":"end with a backspin"})")) << job.toStdString();
}

TEST_F(WindowTest, TheSongPickerShowsPlainExtensionsAndFindsAnyLetterCase) {
    const QString folder = wizard.makeFolder("Desktop/Mixed");
    for (const char* name : {"LOUD.MP3", "quiet.wav", "Mid.Flac", "notes.txt"}) {
        testsupport::writeFile(folder + "/" + name, "x");
    }
    state().isCheckingTools = true;  // no real tool check: the picker is the subject
    desktop().answerNextPanel({});
    view().songs().chooseSongFiles();  // records the request the wizard makes
    ASSERT_FALSE(desktop().panelRequests.empty()) << state().status.toStdString();
    app::OpenPanelRequest request = desktop().panelRequests.back();
    request.startDirectory = folder;

    openWindow();
    app::ui::QtPlatformServices services(window.get());
    QStringList nameFilters;
    QStringList listed;
    int attempts = 0;
    std::function<void()> inspect = [&] {
        QFileDialog* dialog = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* candidate = qobject_cast<QFileDialog*>(widget);
                candidate && candidate->isVisible()) {
                dialog = candidate;
            }
        }
        auto* list = dialog ? dialog->findChild<QListView*>("listView") : nullptr;
        const QAbstractItemModel* model = list ? list->model() : nullptr;
        // The folder is read in the background; a filter that misses a file never gets to 3.
        const bool loaded = model != nullptr && model->rowCount(list->rootIndex()) >= 3;
        if (!loaded && ++attempts < 100) {
            QTimer::singleShot(50, inspect);
            return;
        }
        if (dialog == nullptr) return;
        nameFilters = dialog->nameFilters();
        for (int row = 0; model && row < model->rowCount(list->rootIndex()); ++row) {
            const QModelIndex entry = model->index(row, 0, list->rootIndex());
            if (entry.flags() & Qt::ItemIsEnabled) listed << entry.data().toString();
        }
        // Typed as a person would, in the case of the file on disk.
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) {
            name->setFocus();
            QTest::keyClicks(name, "LOUD.MP3");
            QTest::keyClick(name, Qt::Key_Return);
        }
        // A refused choice must not leave the modal dialog open for ever.
        QTimer::singleShot(100, dialog, [dialog] { dialog->reject(); });
    };
    QTimer::singleShot(0, inspect);
    const QStringList chosen = services.runOpenPanel(request);

    EXPECT_EQ(nameFilters,
              QStringList({"Audio files (*.mp3 *.wav *.aif *.aiff *.m4a *.flac *.aac)"}));
    listed.sort();
    EXPECT_EQ(listed, QStringList({"LOUD.MP3", "Mid.Flac", "quiet.wav"}));
    EXPECT_EQ(chosen, QStringList({folder + "/LOUD.MP3"}));
}

// Under a real window manager: run_under_window_manager.sh starts one for each screen size.
class WindowUnderWindowManager : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb")
            << "run through tests/app/ui/run_under_window_manager.sh (needs xvfb and openbox)";
    }
};

// Title bar and borders included, so the window can still be dragged and closed by its title.
TEST_F(WindowUnderWindowManager, FirstShowKeepsTheWholeFrameOnTheScreen) {
    window = std::make_unique<app::ui::WizardWindow>(view());
    app::ui::WizardWindow& shown = *window;
    bool fitted = false;
    shown.setFirstShowHandler([&] { fitted = true; });
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect area = screen->availableGeometry();
    desktop().screenFrame = area;
    shown.show();

    const auto framed = [&] { return shown.geometry().top() > shown.frameGeometry().top(); };
    ASSERT_TRUE(waitUntil([&] { return fitted && framed(); }, 10))
        << "no title bar: is a window manager running?";
    // The window manager applies the fitted frame asynchronously.
    const int usableHeight = area.height() - 30;
    waitUntil(
        [&] {
            return area.contains(shown.frameGeometry()) &&
                   shown.frameGeometry().height() == usableHeight;
        },
        5);
    const QRect frame = shown.frameGeometry();
    QString text;
    QDebug(&text) << frame << "on an area of" << area;
    const std::string describe = text.toStdString();
    EXPECT_TRUE(area.contains(frame)) << describe;
    EXPECT_EQ(frame.height(), usableHeight) << describe;
    EXPECT_LE(frame.width(), area.width() - 32) << describe;
    EXPECT_GE(frame.width(), std::min(area.width() - 32, 1440)) << describe;
    view().waitForBackgroundWork();
}

// The desktop's notification service, as far as the wizard uses it: Notify answers with an
// id and is recorded; the test sends ActionInvoked itself.
class StandInNotificationService : public QDBusVirtualObject {
public:
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("Notify")) return false;
        calls.push_back(message.arguments());
        connection.send(message.createReply(QVariant::fromValue(kId)));
        return true;
    }
    QString introspect(const QString&) const override { return {}; }

    static constexpr uint kId = 41;
    std::vector<QVariantList> calls;
};

TEST_F(WindowUnderWindowManager, AnEditEndingUnseenIsNotifiedAndTheNotificationRaisesTheWindow) {
    const uitest::PrivateSessionBus bus;
    ASSERT_EQ(bus.error(), "");
    const QByteArray edits = (wizard.homePath() + "/Desktop/Edits").toUtf8();
    openOnStep3WithEngine("printf 'ID3 edit' > '" + edits + "/Set - DJ edit.mp3'\n" +
                          "printf '# Notes' > '" + edits + "/edit-notes.md'\n");
    window->desktopNotification()->useBus(QDBusConnection::connectToBus(bus.address(), "wizard"));
    QWidget elsewhere;  // the window a person switched to
    elsewhere.setWindowTitle("Another program");
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return elsewhere.isActiveWindow(); }, 10));

    // With no service on the bus, a stopped edit goes nowhere and nothing waits for it.
    view().runs().createEdit();
    view().runs().stopCreateEdit();
    ASSERT_EQ(view().progress().liveEditHeadline(), "Edit stopped");

    StandInNotificationService service;
    QDBusConnection standIn = QDBusConnection::connectToBus(bus.address(), "stand-in");
    ASSERT_TRUE(standIn.registerService("org.freedesktop.Notifications"));
    ASSERT_TRUE(standIn.registerVirtualObject("/org/freedesktop/Notifications", &service));
    view().runs().createEdit();
    ASSERT_TRUE(waitUntil([&] { return !state().isCreatingEdit; }, 60));
    ASSERT_TRUE(state().completedOutputFolder) << state().createLog.toStdString();
    ASSERT_TRUE(waitUntil([&] { return !service.calls.empty(); }, 10));
    waitUntil([] { return false; }, 0.3);  // a second call would come now
    ASSERT_EQ(service.calls.size(), 1u);
    const QVariantList& call = service.calls[0];
    ASSERT_EQ(call.size(), 8);
    EXPECT_EQ(call[0].toString(), "Tunewright");
    EXPECT_EQ(call[2].toString(), "velvetcut-setup");  // the installed icon's name
    EXPECT_EQ(call[3].toString(), "Complete");
    EXPECT_EQ(call[4].toString(), "Set - DJ edit.mp3");
    EXPECT_TRUE(call[5].toStringList().contains("default"));
    const QVariantMap hints = qdbus_cast<QVariantMap>(call[6]);
    // The window's icon, installed or not: width, height, stride, alpha, bits, channels, pixels.
    EXPECT_EQ(hints.value("image-data").value<QDBusArgument>().currentSignature(), "(iiibiiay)");

    QDBusMessage activated = QDBusMessage::createSignal(
        "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
    activated << StandInNotificationService::kId << "default";
    ASSERT_TRUE(standIn.send(activated));
    EXPECT_TRUE(waitUntil([&] { return window->isActiveWindow(); }, 10))
        << "the notification did not bring the window back";

    // Seen as it ends: nothing more to tell.
    view().runs().createEdit();
    view().runs().stopCreateEdit();
    waitUntil([] { return false; }, 0.3);
    EXPECT_EQ(service.calls.size(), 1u);
    window.reset();  // before the bus it talks to ends
    QDBusConnection::disconnectFromBus("stand-in");
    QDBusConnection::disconnectFromBus("wizard");
}

}  // namespace
