// Walks the four wizard steps in a real window on the current display, in the language of the
// locale, at the size the window fits itself to on that screen, and saves the whole screen at
// each step from the top of the card to its bottom (one picture per scroll position) into the
// folder given as the only argument. Run it in a private desktop, for example
//   LANG=de_DE.UTF-8 desktop-session --screen 1366x768 -- build/tools/screenshots/wizard_walk out
// It prints every shown text that does not fit its place and every button that cannot be
// scrolled fully into view, and exits 1 when there is one. The edit is the real engine's.

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <cstdio>

#include "app/ui/edit_preview.h"
#include "app/ui/screen_card.h"
#include "app/ui/translations.h"
#include "app/ui/wizard_style.h"
#include "app/ui/wizard_window.h"
#include "app/wizard/wizard.h"
#include "tests/app/support/fake_platform_services.h"
#include "tests/app/support/neutral_install.h"
#include "tests/app/support/wizard_test_helpers.h"
#include "tests/app/ui/ui_test_support.h"

namespace {

struct Walk {
    app::ui::WizardWindow& window;
    QString outputFolder;
    QStringList findings;
    bool saved = true;

    static void settle() {
        for (int round = 0; round < 5; ++round) {
            QCoreApplication::processEvents();
            QTest::qWait(40);
        }
    }

    // Texts that do not fit: a window pushed past the screen, a label taller or wider than its
    // place, a button narrower than its text, a placeholder wider than its field.
    void checkFits(const QString& where) {
        // A text too long for any wrap widens the window past the screen instead.
        const QRect area = window.screen()->availableGeometry();
        if (!area.contains(window.frameGeometry())) {
            QString text;
            QDebug(&text) << window.frameGeometry() << "on" << area;
            findings << where + QStringLiteral(": the window leaves the screen: ") + text;
        }
        // Or widens the card past the window, whose side is then cut off: it never scrolls
        // sideways.
        const QScrollArea* scroll = window.scrollArea();
        if (scroll->widget()->width() > scroll->viewport()->width()) {
            findings << where + QStringLiteral(": the card is %1 pixels wider than the window")
                                    .arg(scroll->widget()->width() - scroll->viewport()->width());
        }
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(&window) || widget->width() <= 0) continue;
            QString cut;
            if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
                const bool tooTall =
                    label->wordWrap() && label->heightForWidth(label->width()) > label->height();
                const bool tooWide =
                    !label->wordWrap() && label->sizeHint().width() > label->width();
                if (tooTall || tooWide) cut = label->text();
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                       button && !button->text().isEmpty()) {
                if (button->sizeHint().width() > button->width()) cut = button->text();
            } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
                const int room = line->contentsRect().width() - 8;
                if (line->fontMetrics().horizontalAdvance(line->placeholderText()) > room) {
                    cut = line->placeholderText();
                }
            }
            if (!cut.isEmpty()) {
                findings << where + QStringLiteral(": does not fit: ") +
                                QString(cut).replace(QLatin1Char('\n'), QLatin1Char(' '));
            }
        }
    }

    // Every button of the card can be scrolled wholly into the window's view.
    void checkReachable(const QString& where) {
        QScrollArea* area = window.scrollArea();
        for (QAbstractButton* button : window.currentCard()->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(&window)) continue;
            area->ensureWidgetVisible(button, 0, 0);
            QCoreApplication::processEvents();
            const QRect shown(button->mapTo(area->viewport(), QPoint(0, 0)), button->size());
            if (!area->viewport()->rect().contains(shown)) {
                findings << where + QStringLiteral(": cannot be reached: ") +
                                uitest::accessibleName(button);
            }
        }
        area->verticalScrollBar()->setValue(0);
        area->horizontalScrollBar()->setValue(0);
    }

    // The whole screen, as a person sees it, from the card's top to its bottom.
    void shoot(const QString& name) {
        settle();
        checkFits(name);
        checkReachable(name);
        QScrollBar* bar = window.scrollArea()->verticalScrollBar();
        const int stride = std::max(1, window.scrollArea()->viewport()->height() * 9 / 10);
        int part = 1;
        for (int value = 0;; value += stride, ++part) {
            bar->setValue(std::min(value, bar->maximum()));
            settle();
            const QString path = QStringLiteral("%1/%2-%3.png").arg(outputFolder, name).arg(part);
            const QImage shot = window.screen()->grabWindow(0).toImage();
            if (!shot.save(path, "PNG")) {
                std::fprintf(stderr, "wizard_walk: could not write %s\n", qPrintable(path));
                saved = false;
            } else {
                std::printf("wizard_walk: wrote %s\n", qPrintable(path));
            }
            if (value >= bar->maximum()) break;
        }
        bar->setValue(0);
    }

    void click(const QString& objectName) {
        auto* button = window.findChild<QAbstractButton*>(objectName);
        if (button == nullptr) {
            findings << QStringLiteral("no button ") + objectName;
            return;
        }
        button->click();
        settle();
    }
};

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
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(app::ui::wizardPalette());
    if (argc != 2) {
        std::fprintf(stderr, "usage: wizard_walk OUTPUT_FOLDER\n");
        return 2;
    }
    const QString outputFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(outputFolder);

    QDir home(QDir::tempPath() + QStringLiteral("/tunewright-walk/demo"));
    home.removeRecursively();
    home.mkpath(QStringLiteral("."));
    const auto makeFolder = [&home](const QString& relativePath) {
        home.mkpath(relativePath);
        return home.filePath(relativePath);
    };
    testsupport::FakePlatformServices desktop(home.path());
    if (!app::ui::installTranslations(application, desktop.resourceFolder())) {
        std::printf("wizard_walk: no catalogue for %s, the texts stay English\n",
                    qPrintable(QLocale::system().name()));
    }
    desktop.screenFrame = QGuiApplication::primaryScreen()->availableGeometry();

    // Step 1 as a broken install leaves it: the renderer and LAME missing.
    app::Wizard view(desktop);
    app::tools::ToolLookups nothingBundled = testsupport::neutralInstall();
    nothingBundled.bundledTool = [](const QString&) { return std::optional<QString>(); };
    view.tools().setToolLookupsForTesting(nothingBundled);
    view.tools().setAgentLocatorForTesting([] { return std::optional<QString>(); });
    app::ui::WizardWindow window(view);
    window.show();
    Walk walk{window, outputFolder, {}};
    testsupport::waitUntil([&] { return !view.state().isCheckingTools; }, 60);
    walk.shoot(QStringLiteral("step1-missing"));

    // Step 2, then four songs: one too many, listed with their row buttons.
    view.tools().setToolLookupsForTesting(testsupport::neutralInstall());
    view.tools().refreshToolChecksInBackground();
    testsupport::waitUntil([&] { return view.tools().toolsReady(); }, 60);
    walk.shoot(QStringLiteral("step2-empty"));
    const QString songFolder = makeFolder(QStringLiteral("Desktop/Freitag"));
    const QStringList songs =
        uitest::writeSongs(songFolder,
                           {QStringLiteral("Goldene Stunde.wav"), QStringLiteral("Nachtfahrt.wav"),
                            QStringLiteral("Morgenrot.wav"), QStringLiteral("Zugabe.wav")},
                           8.0);
    desktop.answerNextPanel(songs);
    view.songs().chooseSongFiles();
    walk.shoot(QStringLiteral("step2-four-songs"));

    // Step 3 with three songs, times, notes (one asks for a blend), the echo fade and an
    // output folder.
    desktop.answerNextPanel(songs.mid(0, 3));
    view.songs().chooseSongFiles();
    walk.shoot(QStringLiteral("step3-no-folder"));
    typeInto(&window, QStringLiteral("songStartTime1"), QStringLiteral("0:01"));
    typeInto(&window, QStringLiteral("songEndTime1"), QStringLiteral("0:06"));
    typeInto(
        &window, QStringLiteral("songNote1"),
        QStringLiteral("Die erste Phrase spielen, dann auf einem sauberen Downbeat übergeben."));
    typeInto(&window, QStringLiteral("songEndTime2"), QStringLiteral("0:07"));
    // The reader knows English words: the join and the line under the note in this language.
    typeInto(&window, QStringLiteral("songNote2"), QStringLiteral("blend over 2 bars"));
    desktop.answerNextPanel({makeFolder(QStringLiteral("Desktop/Fertige Mixe"))});
    view.settings().chooseOutputFolder();
    view.settings().chooseFinalEndingEffect(common::FinalEndingEffect::echoFade);
    walk.shoot(QStringLiteral("step3-ready"));

    // Step 4 while the real engine works, then finished with its rows unfolded.
    view.runs().createEdit();
    walk.shoot(QStringLiteral("step4-creating"));
    if (!testsupport::waitUntil(
            [&] { return !view.state().isCreatingEdit && view.state().showCreateProgressScreen; },
            180) ||
        !view.state().completedOutputFolder) {
        walk.findings << QStringLiteral("the edit did not complete: ") + view.state().createLog;
    }
    testsupport::waitUntil(
        [&] {
            const auto* preview = dynamic_cast<const app::ui::EditPreview*>(
                window.findChild<QWidget*>(QStringLiteral("editPreview")));
            return preview && preview->decodedEdit() != nullptr;
        },
        60);
    walk.shoot(QStringLiteral("step4-complete"));
    for (QAbstractButton* button : window.currentCard()->findChildren<QAbstractButton*>()) {
        if (button->isCheckable() && button->isVisible() && !button->isChecked()) button->click();
    }
    walk.shoot(QStringLiteral("step4-complete-unfolded"));

    window.close();
    view.waitForBackgroundWork();
    home.removeRecursively();
    for (const QString& finding : walk.findings) {
        std::printf("wizard_walk: %s\n", qPrintable(finding));
    }
    std::fflush(stdout);
    return walk.findings.isEmpty() && walk.saved ? 0 : 1;
}
