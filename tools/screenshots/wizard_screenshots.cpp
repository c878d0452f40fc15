// Renders the four wizard screens offscreen from a scripted session over the
// fake desktop and saves one PNG per screen (900 pixels wide) into the folder
// given as the only argument. Step 1 shows a neutral install; the edit of the
// last screen is made by the real engine in the build tree. A picture whose
// texts name this machine (its build folder, the user's home) is not saved.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>

#include "app/ui/edit_preview.h"
#include "app/ui/screen_card.h"
#include "app/ui/tools_card.h"
#include "app/ui/wizard_window.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/fake_platform_services.h"
#include "tests/app/support/neutral_install.h"
#include "tests/app/support/wizard_test_helpers.h"
#include "tests/app/ui/ui_test_support.h"

namespace {

constexpr int kShotWidth = 900;
constexpr int kWindowWidth = 1080;
constexpr int kWindowHeight = 800;

// Quality 0: the smallest file zlib can make. `shown` is what the picture shows.
bool savePicture(const QImage& shot, QWidget* shown, const QString& path) {
    const QStringList named = testsupport::machineSpecificTexts(uitest::visibleLabelTexts(shown));
    if (!named.isEmpty()) {
        std::fprintf(stderr, "wizard_screenshots: %s would show this machine: %s\n",
                     qPrintable(path), qPrintable(named.join(QStringLiteral(" | "))));
        return false;
    }
    if (!shot.convertToFormat(QImage::Format_RGB32).save(path, "PNG", 0)) {
        std::fprintf(stderr, "wizard_screenshots: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wizard_screenshots: wrote %s\n", qPrintable(path));
    std::fflush(stdout);
    return true;
}

// Grows the window from its usual size until its whole card shows without scrolling.
void growUntilNothingScrolls(app::ui::WizardWindow& window) {
    window.resize(kWindowWidth, kWindowHeight);
    QCoreApplication::processEvents();
    QScrollBar* scrollBar = window.scrollArea()->verticalScrollBar();
    for (int attempt = 0; attempt < 5 && scrollBar->maximum() > 0; ++attempt) {
        window.resize(kWindowWidth, window.height() + scrollBar->maximum());
        QCoreApplication::processEvents();
    }
}

// Saves the whole current card, on a window grown to show it.
bool saveScreen(app::ui::WizardWindow& window, const QString& path) {
    growUntilNothingScrolls(window);
    // Nothing below the card: the picture ends one margin under it.
    QWidget* card = window.currentCard();
    const int bottom = card->mapTo(&window, QPoint(0, card->height())).y() + 32;
    const QImage shot = window.grab(QRect(0, 0, window.width(), std::min(bottom, window.height())))
                            .toImage()
                            .scaledToWidth(kShotWidth, Qt::SmoothTransformation);
    return savePicture(shot, &window, path);
}

// The window moves on to Step 2 as soon as a check finds every required piece, so Step 1 with
// a working install is drawn by showing its card in place of the current one: the picture is
// that card on the window's background, without the header (which names Step 2) above it.
bool saveStepOneCard(app::ui::WizardWindow& window, const QString& path) {
    app::ui::ScreenCard* current = window.currentCard();
    app::ui::ScreenCard* tools = window.toolsCard();
    current->hide();
    tools->refresh();
    tools->show();
    growUntilNothingScrolls(window);
    const int top = std::max(0, tools->mapTo(&window, QPoint(0, 0)).y() - 12);
    const int bottom =
        std::min(window.height(), tools->mapTo(&window, QPoint(0, tools->height())).y() + 32);
    const QImage shot = window.grab(QRect(0, top, window.width(), bottom - top))
                            .toImage()
                            .scaledToWidth(kShotWidth, Qt::SmoothTransformation);
    const bool saved = savePicture(shot, tools, path);
    tools->hide();
    current->show();
    QCoreApplication::processEvents();
    return saved;
}

void typeInto(QWidget* root, const QString& objectName, const QString& text) {
    if (auto* line = root->findChild<QLineEdit*>(objectName)) {
        line->setText(text);
        emit line->textEdited(text);
    } else if (auto* note = root->findChild<QPlainTextEdit*>(objectName)) {
        note->setPlainText(text);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: wizard_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString outputFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(outputFolder);

    // A fixed home, so the paths in the pictures stay the same from run to run.
    QDir home(QDir::tempPath() + QStringLiteral("/tunewright-screenshots/demo"));
    home.removeRecursively();
    home.mkpath(QStringLiteral("."));
    const auto makeFolder = [&home](const QString& relativePath) {
        home.mkpath(relativePath);
        return home.filePath(relativePath);
    };
    testsupport::FakePlatformServices desktop(home.path());
    app::Wizard view(desktop);
    view.tools().setToolLookupsForTesting(testsupport::neutralInstall());
    view.tools().setAgentLocatorForTesting([] { return std::optional<QString>(); });
    desktop.screenFrame = QRect(0, 0, 1600, 1000);

    // Steps 1 and 2 as a working install shows them.
    app::ui::WizardWindow window(view);
    window.resize(kWindowWidth, kWindowHeight);
    window.show();
    testsupport::waitUntil([&] { return view.tools().toolsReady(); }, 60);
    bool ok = saveStepOneCard(window, outputFolder + QStringLiteral("/wizard-step1-tools.png"));
    ok = saveScreen(window, outputFolder + QStringLiteral("/wizard-step2-songs.png")) && ok;

    // Step 3: two songs, their times and notes (the first asks for a blend into the second,
    // which sets its "Into song 2" choice and the line under it), the fade and an output folder.
    const QString songs = makeFolder(QStringLiteral("Desktop/Friday Set"));
    desktop.answerNextPanel(uitest::writeSongs(
        songs, {QStringLiteral("Golden Hour.wav"), QStringLiteral("Night Drive.wav")}, 12.0));
    view.songs().chooseSongFiles();
    typeInto(&window, QStringLiteral("songStartTime1"), QStringLiteral("0:02"));
    typeInto(&window, QStringLiteral("songEndTime1"), QStringLiteral("0:09"));
    typeInto(&window, QStringLiteral("songNote1"),
             QStringLiteral("Play the opening phrase, then blend into song 2 over 2 bars."));
    typeInto(&window, QStringLiteral("songEndTime2"), QStringLiteral("0:10"));
    desktop.answerNextPanel({makeFolder(QStringLiteral("Desktop/Finished Edits"))});
    view.settings().chooseOutputFolder();
    view.settings().chooseFinalEndingEffect(common::FinalEndingEffect::fade);
    ok = saveScreen(window, outputFolder + QStringLiteral("/wizard-step3-instructions.png")) && ok;

    // Step 4 once the real engine has finished the edit.
    view.runs().createEdit();
    const bool finished = testsupport::waitUntil(
        [&] { return !view.state().isCreatingEdit && view.state().showCreateProgressScreen; }, 180);
    if (!finished || !view.state().completedOutputFolder) {
        std::fprintf(stderr, "wizard_screenshots: the edit did not complete: %s\n",
                     qPrintable(view.state().createLog));
        ok = false;
    }
    // The waveform is read in the background once the screen shows the finished edit.
    const auto waveformRead = [&window] {
        // The panel has no meta-object of its own, so it is found by name, not by type.
        const auto* preview = dynamic_cast<const app::ui::EditPreview*>(
            window.findChild<QWidget*>(QStringLiteral("editPreview")));
        return preview && preview->decodedEdit() != nullptr;
    };
    if (!testsupport::waitUntil(waveformRead, 60)) {
        std::fprintf(stderr, "wizard_screenshots: the finished edit's waveform was not read\n");
        ok = false;
    }
    ok = saveScreen(window, outputFolder + QStringLiteral("/wizard-step4-complete.png")) && ok;
    window.close();
    view.waitForBackgroundWork();
    home.removeRecursively();
    return ok ? 0 : 1;
}
