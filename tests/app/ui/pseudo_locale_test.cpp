// Every text the window shows goes through the translation functions: with a translator that
// marks each text it is asked for, a walk through all four steps finds nothing unmarked but
// file names, paths and numbers. The committed catalogue holds every marked text, every
// shipped translation covers it whole with the same placeholders and shortcut keys, and a
// catalogue compiled from it is what the wizard loads for the person's language.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "app/ui/translations.h"
#include "app/ui/wizard_window.h"
#include "tests/app/support/neutral_install.h"
#include "tests/app/ui/ui_test_support.h"

namespace {

using app::ui::WizardScreen;

const QString kOpen = QStringLiteral("⟦");
const QString kClose = QStringLiteral("⟧");

QString marked(const QString& text) { return kOpen + text + kClose; }

// The pseudo-locale: every source text comes back marked.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return source != nullptr && *source != '\0' ? marked(QString::fromUtf8(source)) : QString();
    }
    bool isEmpty() const override { return false; }
};

// What is left of `text` once the marked parts (nested ones too) are taken out.
QString outsideMarks(const QString& text) {
    QString outside;
    int depth = 0;
    for (const QChar c : text) {
        if (c == kOpen.front()) {
            ++depth;
        } else if (c == kClose.front() && depth > 0) {
            --depth;
        } else if (depth == 0) {
            outside += c;
        }
    }
    return outside;
}

// A word outside the marks is data when it is a path, a file name or has no letters
// (numbers, times, punctuation), or one of the test's own names.
bool isData(const QString& word, const QStringList& names) {
    static const QRegularExpression fileName(QStringLiteral("^[\\w.-]+\\.[A-Za-z0-9]{1,4}$"));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    return word.contains(QLatin1Char('/')) || fileName.match(word).hasMatch() ||
           !letter.match(word).hasMatch() || names.contains(word);
}

// Every visible text under `window` that is not marked, with where it was seen. `names` are
// the test's own words and file names.
QStringList unmarkedTexts(QWidget* window, const QStringList& names) {
    std::vector<std::pair<QString, QString>> texts = {{"window title", window->windowTitle()}};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) continue;
        const QString kind = QString::fromLatin1(widget->metaObject()->className());
        if (auto* label = qobject_cast<QLabel*>(widget)) texts.emplace_back(kind, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts.emplace_back(kind, QString(button->text()).remove(QLatin1Char('&')));
        }
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            texts.emplace_back(kind + " placeholder", line->placeholderText());
        }
        if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
            texts.emplace_back(kind + " placeholder", plain->placeholderText());
        }
        if (auto* box = qobject_cast<QGroupBox*>(widget)) texts.emplace_back(kind, box->title());
        texts.emplace_back(kind + " tool tip", widget->toolTip());
        texts.emplace_back(kind + " accessible name", widget->accessibleName());
        texts.emplace_back(kind + " accessible description", widget->accessibleDescription());
    }
    QStringList unmarked;
    for (const auto& [where, text] : texts) {
        const QStringList words = outsideMarks(text).split(
            QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const bool allData = std::all_of(words.begin(), words.end(),
                                         [&](const QString& word) { return isData(word, names); });
        if (!allData && !names.contains(text)) unmarked << where + ": " + text;
    }
    return unmarked;
}

class PseudoLocaleTest : public testsupport::WizardTest {
protected:
    // Before the fixture makes the wizard, whose state holds its first status line.
    static void SetUpTestSuite() { QCoreApplication::installTranslator(&translator()); }
    static void TearDownTestSuite() { QCoreApplication::removeTranslator(&translator()); }
    static MarkingTranslator& translator() {
        static MarkingTranslator marking;
        return marking;
    }
    ~PseudoLocaleTest() override { window.reset(); }

    void expectAllMarked(const char* step) {
        QCoreApplication::processEvents();
        EXPECT_EQ(unmarkedTexts(window.get(), names), QStringList()) << step;
    }

    void click(const QString& name) {
        auto* button = uitest::findByAccessibleName<QAbstractButton>(window.get(), marked(name));
        ASSERT_NE(button, nullptr) << name.toStdString();
        window->scrollArea()->ensureWidgetVisible(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QStringList names = {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma"),
                         QStringLiteral("Delta")};
    std::unique_ptr<app::ui::WizardWindow> window;
};

TEST_F(PseudoLocaleTest, EveryTextOfTheFourStepsIsTranslated) {
    // Step 1 with the renderer and the encoder missing: every row, the notice and Check Again.
    app::tools::ToolLookups nothingBundled = testsupport::neutralInstall();
    nothingBundled.bundledTool = [](const QString&) { return std::optional<QString>(); };
    view().tools().setToolLookupsForTesting(nothingBundled);
    view().tools().setAgentLocatorForTesting([] { return std::optional<QString>(); });
    window = std::make_unique<app::ui::WizardWindow>(view());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    expectAllMarked("Step 1 while checking");
    ASSERT_TRUE(testsupport::waitUntil([&] { return !state().isCheckingTools; }, 60));
    ASSERT_EQ(window->currentScreen(), WizardScreen::tools);
    expectAllMarked("Step 1 with missing tools");

    view().tools().setToolLookupsForTesting(testsupport::neutralInstall());
    click(QStringLiteral("Check Again"));
    ASSERT_TRUE(testsupport::waitUntil([&] { return view().tools().toolsReady(); }, 60));
    ASSERT_EQ(window->currentScreen(), WizardScreen::songs);
    expectAllMarked("Step 2 without songs");

    // Four songs are one too many: Step 2 lists them and says so.
    const QString songFolder = wizard.makeFolder(QStringLiteral("Desktop/Set"));
    const QStringList songs = uitest::writeSongs(
        songFolder, {"Alpha.wav", "Beta.wav", "Gamma.wav", "Delta.wav"}, 2.0, 0.5);
    desktop().answerNextPanel(songs);
    click(QStringLiteral("Choose Audio Files"));
    ASSERT_EQ(state().tracks.size(), 4u);
    expectAllMarked("Step 2 with four songs");

    desktop().answerNextPanel(songs.mid(0, 2));
    click(QStringLiteral("Choose Audio Files"));
    ASSERT_EQ(window->currentScreen(), WizardScreen::instructions);
    expectAllMarked("Step 3 without an output folder");
    desktop().answerNextPanel({wizard.makeFolder(QStringLiteral("Desktop/Edits"))});
    click(QStringLiteral("Choose Output Folder"));
    click(QStringLiteral("Provider API"));
    expectAllMarked("Step 3 ready");

    click(QStringLiteral("Create Edit"));
    ASSERT_EQ(window->currentScreen(), WizardScreen::createEdit);
    expectAllMarked("Step 4 creating");
    ASSERT_TRUE(testsupport::waitUntil([&] { return !state().isCreatingEdit; }, 120))
        << state().createLog.toStdString();
    ASSERT_TRUE(state().completedOutputFolder.has_value()) << state().createLog.toStdString();
    ASSERT_TRUE(testsupport::waitUntil(
        [&] {
            return uitest::findByAccessibleName<QAbstractButton>(window.get(),
                                                                 marked("Play Join 1"));
        },
        30))
        << uitest::visibleLabelTexts(window.get()).join(" | ").toStdString();
    names += QDir(*state().completedOutputFolder).entryList(QDir::Files);  // the edit's name
    click(QStringLiteral("All 5 steps complete"));
    expectAllMarked("Step 4 complete");

    // The pickers' titles, buttons and messages too.
    for (const app::OpenPanelRequest& request : desktop().panelRequests) {
        for (const QString& text : {request.title, request.prompt, request.message}) {
            EXPECT_TRUE(text.startsWith(kOpen) && text.endsWith(kClose)) << text.toStdString();
        }
    }
}

using Catalogue = std::vector<std::pair<QString, QString>>;  // context and source text

Catalogue readCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    Catalogue texts;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"source") texts.emplace_back(context, xml.readElementText());
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

QStringList onlyIn(const Catalogue& these, const Catalogue& others) {
    const std::set<std::pair<QString, QString>> known(others.begin(), others.end());
    QStringList missing;
    for (const auto& [context, source] : these) {
        if (!known.contains({context, source})) missing << context + ": " + source;
    }
    return missing;
}

const QString kCatalogue = QStringLiteral(TUNEWRIGHT_SOURCE_DIR "/translations/tunewright.ts");

TEST(Catalogue, HoldsExactlyTheTextsTheCodeMarks) {
    testsupport::TemporaryFolder folder;
    const QString fresh = testsupport::pathOf(folder) + "/fresh.ts";
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(TUNEWRIGHT_SOURCE_DIR));
    // The options the build's update_translations target uses.
    const QStringList options = QStringLiteral(TUNEWRIGHT_LUPDATE_OPTIONS).split(QLatin1Char('|'));
    lupdate.start(QStringLiteral(TUNEWRIGHT_LUPDATE), options + QStringList{"app", "-ts", fresh});
    ASSERT_TRUE(lupdate.waitForFinished(60'000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const Catalogue marked = readCatalogue(fresh);
    const Catalogue committed = readCatalogue(kCatalogue);
    EXPECT_GT(marked.size(), 300u);
    const char* refresh = "refresh it: cmake --build build --target update_translations";
    EXPECT_EQ(onlyIn(marked, committed), QStringList())
        << "missing from the catalogue; " << refresh;
    EXPECT_EQ(onlyIn(committed, marked), QStringList()) << "no longer in the code; " << refresh;
}

// One message of a language's catalogue, as lupdate and a translator leave it.
struct Translated {
    QString context;
    QString source;
    QString type;       // "unfinished", "vanished", "obsolete" or empty once finished
    QStringList forms;  // the translation, or each numerus form
};

std::vector<Translated> readTranslations(QIODevice& device) {
    std::vector<Translated> messages;
    QString context;
    QXmlStreamReader xml(&device);
    std::optional<Translated> message;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"message" && message) {
            messages.push_back(*std::exchange(message, std::nullopt));
        }
        if (token != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = Translated{context, {}, {}, {}};
        } else if (message && xml.name() == u"source") {
            message->source = xml.readElementText();
        } else if (message && xml.name() == u"translation") {
            message->type = xml.attributes().value(QLatin1String("type")).toString();
            // A numerus translation's forms follow as elements of their own.
            if (xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")) continue;
            message->forms << xml.readElementText();
        } else if (message && xml.name() == u"numerusform") {
            message->forms << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// %1..%9 (%L1 too) and %n, each once, in order: a translation may move them but not lose one.
QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%L?([1-9n])"));
    std::set<QString> found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text)) {
        found.insert(QLatin1Char('%') + match.captured(1));
    }
    return QStringList(found.begin(), found.end());
}

// The keyboard shortcuts a text marks: "&" before a letter; "&&" is a plain ampersand.
int shortcutKeys(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
        } else if (!text[i + 1].isSpace()) {
            ++count;
        }
    }
    return count;
}

// What is wrong with a language's catalogue against the source catalogue, one line per fault
// naming the message.
QStringList catalogueFaults(const std::vector<Translated>& language, const Catalogue& source) {
    const auto named = [](const QString& context, const QString& text) {
        return context + ": \"" + text + "\"";
    };
    const std::set<std::pair<QString, QString>> wanted(source.begin(), source.end());
    std::set<std::pair<QString, QString>> translated;
    QStringList faults;
    for (const Translated& message : language) {
        const QString name = named(message.context, message.source);
        if (message.type == u"vanished" || message.type == u"obsolete") {
            faults << name + ": " + message.type + " (refresh the catalogue and drop it)";
            continue;
        }
        if (!wanted.contains({message.context, message.source})) {
            faults << name + ": not in tunewright.ts";
            continue;
        }
        translated.insert({message.context, message.source});
        const bool unfinished = message.type == u"unfinished";
        if (unfinished) faults << name + ": unfinished";
        const QString expected = placeholders(message.source).join(' ');
        const int keys = shortcutKeys(message.source);
        for (const QString& form : message.forms) {
            if (form.isEmpty()) {
                if (!unfinished) faults << name + ": empty translation";
                continue;
            }
            const QString found = placeholders(form).join(' ');
            if (found != expected) {
                faults << name + ": placeholders \"" + expected + "\" in the source but \"" +
                              found + "\" in \"" + form + "\"";
            }
            if (shortcutKeys(form) != keys) {
                faults << name + ": " + QString::number(keys) +
                              " shortcut key(s) in the source but " +
                              QString::number(shortcutKeys(form)) + " in \"" + form + "\"";
            }
        }
    }
    for (const auto& [context, text] : source) {
        if (!translated.contains({context, text})) faults << named(context, text) + ": missing";
    }
    return faults;
}

std::vector<Translated> readTranslations(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return readTranslations(file);
}

TEST(Catalogue, EveryShippedTranslationIsWholeAndKeepsPlaceholdersAndShortcuts) {
    const QDir folder(QStringLiteral(TUNEWRIGHT_SOURCE_DIR "/translations"));
    const QStringList languages =
        folder.entryList({QStringLiteral("tunewright_*.ts")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(languages.isEmpty())
        << "no tunewright_<language>.ts in " << folder.path().toStdString();
    const Catalogue source = readCatalogue(kCatalogue);
    ASSERT_GT(source.size(), 300u);
    for (const QString& language : languages) {
        EXPECT_EQ(catalogueFaults(readTranslations(folder.filePath(language)), source),
                  QStringList())
            << language.toStdString() << "; after new texts: cmake --build build --target "
            << "update_translations, then translate what it marks unfinished";
    }
}

// The check itself: each kind of fault in a small catalogue is found and names its message.
TEST(Catalogue, CheckNamesEachFaultyMessage) {
    const Catalogue source = {{"Screens", "Play Join %1"},     {"Screens", "Show &Work Folder"},
                              {"Screens", "%1 of %2"},         {"Screens", "Copy && Paste"},
                              {"Run", "Stopped by the user."}, {"Run", "Preparing the songs."},
                              {"Run", "Play Join %1"}};
    QByteArray ts = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context><name>Screens</name>
  <message><source>Play Join %1</source><translation>Übergang abspielen</translation></message>
  <message><source>Show &amp;Work Folder</source>
    <translation>&amp;Arbeitsordner &amp;anzeigen</translation></message>
  <message><source>%1 of %2</source><translation>%2 von %1</translation></message>
  <message><source>Copy &amp;&amp; Paste</source>
    <translation>Kopieren &amp;&amp; Einfügen</translation></message>
  <message><source>Gone</source><translation type="vanished">Weg</translation></message>
  <message><source>Never marked</source><translation>Nie markiert</translation></message>
</context>
<context><name>Progress</name>
  <message><source>Preparing the songs.</source><translation>Vorbereitung.</translation></message>
</context>
<context><name>Run</name>
  <message><source>Stopped by the user.</source>
    <translation type="unfinished"></translation></message>
  <message><source>Preparing the songs.</source><translation></translation></message>
</context>
</TS>
)";
    QBuffer buffer(&ts);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    const QStringList faults = catalogueFaults(readTranslations(buffer), source);
    const QStringList expected = {
        R"(Screens: "Play Join %1": placeholders "%1" in the source but "" in )"
        R"("Übergang abspielen")",
        R"(Screens: "Show &Work Folder": 1 shortcut key(s) in the source but 2 in )"
        R"("&Arbeitsordner &anzeigen")",
        R"(Screens: "Gone": vanished (refresh the catalogue and drop it))",
        R"(Screens: "Never marked": not in tunewright.ts)",
        R"(Progress: "Preparing the songs.": not in tunewright.ts)",
        R"(Run: "Stopped by the user.": unfinished)",
        R"(Run: "Preparing the songs.": empty translation)",
        R"(Run: "Play Join %1": missing)"};
    EXPECT_EQ(faults, expected);
}

// A French catalogue compiled from the committed one, its texts marked, is found for a
// French locale in the bundle's folder; a language without a catalogue stays English.
TEST(Catalogue, CompiledCatalogueIsLoadedForThePersonsLanguage) {
    testsupport::TemporaryFolder folder;
    const QString resources = testsupport::pathOf(folder);
    const QString translations = resources + "/share/tunewright/translations";
    ASSERT_TRUE(QDir().mkpath(translations));
    QFile source(resources + "/tunewright_fr.ts");
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    QXmlStreamWriter xml(&source);
    xml.writeStartDocument();
    xml.writeStartElement("TS");
    xml.writeAttribute("version", "2.1");
    xml.writeAttribute("language", "fr");
    for (const auto& [context, text] : readCatalogue(kCatalogue)) {
        xml.writeStartElement("context");
        xml.writeTextElement("name", context);
        xml.writeStartElement("message");
        xml.writeTextElement("source", text);
        xml.writeTextElement("translation", marked(text));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    source.close();
    ASSERT_EQ(QProcess::execute(
                  QStringLiteral(TUNEWRIGHT_LRELEASE),
                  {"-silent", source.fileName(), "-qm", translations + "/tunewright_fr.qm"}),
              0);

    QCoreApplication& application = *QCoreApplication::instance();
    // A language none ships, so that an installed package's catalogues cannot answer either.
    EXPECT_FALSE(app::ui::installTranslations(application, resources, QLocale(QLocale::Icelandic)));
    EXPECT_EQ(QCoreApplication::translate("Screens", "Create Edit"), "Create Edit");
    ASSERT_TRUE(app::ui::installTranslations(application, resources,
                                             QLocale(QLocale::French, QLocale::Canada)));
    EXPECT_EQ(QCoreApplication::translate("Screens", "Play Join %1").arg(2), marked("Play Join 2"));
    for (QTranslator* loaded : application.findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(loaded);
        delete loaded;
    }
}

}  // namespace
