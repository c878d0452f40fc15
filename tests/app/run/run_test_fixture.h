#pragma once
// A wizard over the fake desktop, ready to create edits: generated songs picked one
// by one, an output folder, and fake engines and agents as small shell scripts.

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "tests/app/support/wizard_test_helpers.h"

namespace runtest {

using testsupport::readText;
using testsupport::writeFile;
using testsupport::writeScript;

// The start of every fake agent: checks the call shape, then sets $folder (after -C),
// $last (the last-message file, may be empty), $prompt and $out (the output folder,
// named in backquotes on the prompt's last line).
inline const QByteArray kAgentPreamble = R"sh(
[ "$1" = exec ] && [ "$2" = --skip-git-repo-check ] &&
  [ "$3" = --dangerously-bypass-approvals-and-sandbox ] && [ "$4" = -C ] ||
  { echo "unexpected arguments: $*"; exit 64; }
folder="$5"; shift 5
last=""
if [ "$1" = --output-last-message ]; then last="$2"; shift 2; fi
[ $# -eq 1 ] || { echo "the prompt is not one argument"; exit 64; }
prompt="$1"
out=$(printf '%s\n' "$prompt" | tail -n 1 | sed 's/^.*`\(.*\)`$/\1/')
[ "$(pwd)" = "$folder" ] || { echo "not started in the song folder"; exit 64; }
)sh";

// Writes a finished MP3 and its notes into the folder named by the shell word `where`.
inline QByteArray writeDeliverableInto(const QByteArray& where) {
    return "printf 'ID3 fake edit' > " + where + "/'Mix - DJ edit.mp3'\n" +
           "printf '# Notes\\n' > " + where + "/edit-notes.md\n";
}

class RunTest : public testsupport::WizardTest {
protected:
    RunTest() {
        // The tool check is not what these tests are about: never start it.
        state().isCheckingTools = true;
        useAgent(std::nullopt);
        songFolder = wizard.makeFolder("Desktop/Set");
        outputFolder = wizard.makeFolder("Desktop/Edits");
        // Every short log and status the screen would have shown, in order.
        QObject::connect(wizard.view.get(), &app::Wizard::changed, [this] {
            for (auto [history, text] : {std::pair{&logHistory, state().createLog},
                                         std::pair{&statusHistory, state().status}}) {
                if (history->isEmpty() || history->back() != text) *history << text;
            }
        });
    }

    QString handoffFile(const QString& name) const {
        return QDir(songFolder).filePath("Tunewright Setup/" + name);
    }

    // Generated songs "song N.wav" picked one by one, with the output folder chosen.
    void pickSongs(int count) {
        QStringList names;
        for (int n = 1; n <= count; ++n) names << QStringLiteral("song %1.wav").arg(n);
        view().songs().handleAudioFileSelection(
            testsupport::writeSongs(songFolder, names, 0.3, 0.0));
        ASSERT_EQ(state().tracks.size(), static_cast<size_t>(count))
            << state().status.toStdString();
        state().outputFolder = outputFolder;
    }

    // The agent the run finds, or none (then the mode is Local Only).
    void useAgent(const std::optional<QString>& agentPath) {
        view().tools().setAgentLocatorForTesting([agentPath] { return agentPath; });
        state().aiAssistMode = agentPath ? app::songs::AIAssistMode::agentFallback
                                         : app::songs::AIAssistMode::localOnly;
    }
    QString makeAgent(const QByteArray& body) {
        return writeScript(wizard.makeFolder("agent") + "/codex", kAgentPreamble + body);
    }

    // A resource folder of its own with an empty bin/, for the test to fill.
    QString useResourceFolder(const QString& name) {
        return desktop().resourceFolderPath =
                   testsupport::writeFakeBundle(wizard.makeFolder(name), {});
    }
    // A bundle whose engine runs `body`. With `withLame` its encoder is a stand-in, so that
    // picking songs through the panels is allowed.
    void useFakeEngine(const QByteArray& body, bool withLame = false) {
        desktop().resourceFolderPath = testsupport::writeFakeBundle(
            wizard.makeFolder("FakeBundle"), body,
            withLame ? testsupport::BundledLame::standIn : testsupport::BundledLame::none);
    }
    // A note on the song that only the agent can carry out.
    void askForTheAgent(size_t track = 0) {
        view().settings().setSongGuidanceText(state().tracks[track], "Start on the first vocal.");
    }

    // The render job the last run wrote.
    QJsonObject job() const {
        return QJsonDocument::fromJson(readText(handoffFile("fast-time-render-job.json")).toUtf8())
            .object();
    }
    // The process id a script wrote into `file`; 0 while there is none.
    static pid_t pidIn(const QString& file) {
        return static_cast<pid_t>(readText(file).trimmed().toLongLong());
    }

    // Creates the edit and waits until the run has ended (or `timeoutSeconds` passed).
    bool createAndFinish(double timeoutSeconds = 30) {
        view().runs().createEdit();
        if (!state().isCreatingEdit) return false;
        return waitForEnd(timeoutSeconds);
    }
    bool waitForEnd(double timeoutSeconds = 30) {
        const bool ended =
            testsupport::waitUntil([this] { return !state().isCreatingEdit; }, timeoutSeconds);
        view().waitForBackgroundWork();
        QCoreApplication::processEvents();
        return ended;
    }

    // The agent's edit arrived and the run ended complete.
    void expectAgentCompleted() {
        EXPECT_EQ(stepStates(), QStringList({"Done", "Done", "Done", "Done", "Done"}));
        EXPECT_EQ(state().completedOutputFolder, outputFolder);
        EXPECT_EQ(state().createLog, "Complete. Your edit is ready in:\n" + outputFolder);
        EXPECT_EQ(state().status,
                  "Complete. Your edit is ready. Click View Edit to open the finished file.");
    }

    QStringList stepStates() {
        QStringList states;
        for (const auto& step : state().createSteps) states << app::run::rawValue(step.state);
        return states;
    }
    app::run::ProgressRow& step(const QString& id) {
        static app::run::ProgressRow none;
        auto& rows = state().createSteps;
        const auto found =
            std::ranges::find(rows, id, [](const auto& row) { return rawValue(row.id); });
        EXPECT_NE(found, rows.end()) << "no step " << id.toStdString();
        return found != rows.end() ? *found : none;
    }

    QString songFolder;
    QString outputFolder;
    QStringList logHistory;
    QStringList statusHistory;
};

}  // namespace runtest
