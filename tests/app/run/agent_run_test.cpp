#include <gtest/gtest.h>
#include <signal.h>

#include <QElapsedTimer>

#include "app/tools/tool_probes.h"
#include "tests/app/run/run_test_fixture.h"

namespace {

using runtest::readText;
using runtest::writeDeliverableInto;
using runtest::writeScript;

const QString kNoOutputNotice =
    "No terminal output was captured from Codex. The app monitored generated files and verified "
    "the selected output folder instead.\nOutput folder: ";

// The agent takes the edit straight away: the note asks for something the engine cannot do.
class AgentRun : public runtest::RunTest {
protected:
    void startAgentEdit(const QByteArray& agentBody) {
        useAgent(makeAgent(agentBody));
        pickSongs(1);
        view().setSongGuidanceText(state().tracks[0], "Add a tape stop at the end.");
        view().createEdit();
        ASSERT_TRUE(state().isCreatingEdit);
    }
    QString pidFile() const { return wizard.homePath() + "/agent.pid"; }
    qint64 agentPid() const { return readText(pidFile()).trimmed().toLongLong(); }
};

TEST_F(AgentRun, AnEditLeftInTheSongFolderIsCopiedOutAndCompletesTheRun) {
    startAgentEdit(
        "[ \"$last\" = \"$folder/Tunewright Setup/codex-last-message.txt\" ] || exit 65\n" +
        writeDeliverableInto("\"$folder\"") +
        "printf '{}' > \"$folder/qc-report.json\"\necho 'saved the edit'");
    ASSERT_TRUE(waitForEnd());
    EXPECT_TRUE(logHistory.contains(
        "AI fallback: song 1 note asks for an effect, vocal isolation, beatmatching, or another "
        "advanced request.\nAI fallback: scanning first notes, beats, and clean cut points near "
        "the typed times."));
    expectAgentCompleted();
    EXPECT_EQ(step("analyze").detail, "Audio analysis complete.");
    EXPECT_EQ(step("save").detail, "320 kbps MP3 file saved in the selected output folder.");
    EXPECT_EQ(readText(handoffFile("background-codex-log.txt")), "saved the edit\n");
    for (const char* name : {"Mix - DJ edit.mp3", "edit-notes.md", "qc-report.json"}) {
        EXPECT_TRUE(QFile::exists(outputFolder + "/" + name)) << name;
    }
    // The agent ended on its own: the app writes no last message for it.
    EXPECT_FALSE(QFile::exists(handoffFile("codex-last-message.txt")));
}

TEST_F(AgentRun, AnAgentThatKeepsRunningIsEndedAfterTheGracePeriodAsASuccess) {
    startAgentEdit("echo $$ > '" + pidFile().toUtf8() + "'\n" + writeDeliverableInto("\"$out\"") +
                   "echo 'still polishing'\nexec sleep 60");
    QElapsedTimer timer;
    timer.start();
    // Stable for 5 s, then 5 s of grace: the saved-file view shows in between.
    ASSERT_TRUE(testsupport::waitUntil(
        [&] { return step("save").state == app::run::InstallPhaseState::running; }, 20));
    EXPECT_EQ(stepStates(), QStringList({"Done", "Done", "Done", "Done", "Installing"}));
    EXPECT_TRUE(state().createLog.startsWith("320 kbps MP3 file saved:\nMix - DJ edit.mp3\n"));
    EXPECT_TRUE(state().isCreatingEdit);
    ASSERT_TRUE(waitForEnd(30));
    EXPECT_GE(timer.elapsed(), 9000);  // 5 s stable + 5 s grace, less the 1 s check step
    expectAgentCompleted();
    EXPECT_EQ(readText(handoffFile("codex-last-message.txt")),
              "Complete. The finished MP3 and edit notes are saved in:\n" + outputFolder + "\n");
    EXPECT_EQ(::kill(static_cast<pid_t>(agentPid()), 0), -1);
}

TEST_F(AgentRun, StopKillsAnAgentThatIgnoresTermination) {
    startAgentEdit("trap '' TERM\necho $$ > '" + pidFile().toUtf8() +
                   "'\nwhile :; do sleep 0.2; done");
    ASSERT_TRUE(testsupport::waitUntil([&] { return agentPid() > 0; }, 10));
    view().stopCreateEdit();
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(waitForEnd(15));
    EXPECT_GE(timer.elapsed(), 1500);  // it needed the kill, which comes 2 s after Stop
    EXPECT_EQ(::kill(static_cast<pid_t>(agentPid()), 0), -1);
    EXPECT_EQ(stepStates(), QStringList({"Done", "Stopped", "Stopped", "Waiting", "Waiting"}));
    EXPECT_EQ(state().status, "Edit stopped. You can go back and make changes.");
    EXPECT_FALSE(state().completedOutputFolder);
}

TEST_F(AgentRun, AnAgentThatDoesNothingFailsWithTheNoOutputLog) {
    startAgentEdit("exit 0");
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(readText(handoffFile("background-codex-log.txt")),
              kNoOutputNotice + outputFolder + "\n");
    EXPECT_EQ(stepStates(),
              QStringList({"Done", "Needs Attention", "Waiting", "Waiting", "Needs Attention"}));
    EXPECT_EQ(step("analyze").detail,
              "The background editor stopped before a verified MP3 and edit notes were found.");
    EXPECT_EQ(state().createLog,
              "The background edit did not finish.\nNo verified MP3 and edit notes were found in "
              "the selected output folder.");
    EXPECT_EQ(state().status,
              "The background edit did not finish. A log was saved in the Tunewright Setup "
              "folder.");
    EXPECT_FALSE(QFile::exists(handoffFile("codex-last-message.txt")));
}

TEST_F(AgentRun, AnAgentThatCannotStartIsReported) {
    useAgent(wizard.homePath() + "/missing/codex");
    pickSongs(1);
    view().setSongGuidanceText(state().tracks[0], "Add a tape stop at the end.");
    ASSERT_TRUE(createAndFinish());
    EXPECT_TRUE(
        state().status.startsWith("The background editor could not start: Could not start "))
        << state().status.toStdString();
    EXPECT_EQ(state().createLog,
              "The background editor could not start.\nMake sure Codex is installed and signed "
              "in, then try Create Edit again.");
    EXPECT_EQ(step("analyze").state, app::run::InstallPhaseState::failed);
}

// What Step 1's finished check said about the agent's sign-in decides whether Create
// Edit may hand it the edit; with no finished check the agent is started as before.
struct SignInCase {
    const char* name;
    const char* loginAnswer;  // the agent's answer to `login status`
    bool checkFinished;
    bool agentStarts;
};
// Test names and failure messages show the case's name.
void PrintTo(const SignInCase& value, std::ostream* out) { *out << value.name; }

class AgentSignIn : public runtest::RunTest, public ::testing::WithParamInterface<SignInCase> {};

TEST_P(AgentSignIn, CreateEditStartsOnlyAnAgentNotKnownToBeSignedOut) {
    const QString calls = wizard.homePath() + "/agent-calls.txt";
    const QByteArray login =
        "if [ \"$1 $2\" = 'login status' ]; then " + QByteArray(GetParam().loginAnswer) + "; fi\n";
    const QString agent =
        writeScript(wizard.makeFolder("agent") + "/codex",
                    login + runtest::kAgentPreamble + "echo exec >> '" + calls.toUtf8() + "'\n" +
                        writeDeliverableInto("\"$out\""));
    useAgent(agent);
    if (GetParam().checkFinished) {
        // The agent rows of Step 1's check, the sign-in probed for real.
        app::tools::ToolCheck found;
        found.name = "Codex CLI";
        found.isReady = true;
        view().applyToolCheckResults({found, app::tools::codexLoginCheck(agent)});
    }
    pickSongs(1);
    view().setSongGuidanceText(state().tracks[0], "Add a tape stop at the end.");
    ASSERT_TRUE(createAndFinish());

    if (GetParam().agentStarts) {
        EXPECT_EQ(readText(calls), "exec\n");
        return expectAgentCompleted();
    }
    const QString refusal =
        "Codex fallback is selected, but Codex was not found or is not signed in on this computer.";
    EXPECT_FALSE(QFile::exists(calls));
    EXPECT_EQ(stepStates(), QStringList({"Done", "Needs Attention", "Needs Attention", "Waiting",
                                         "Needs Attention"}));
    EXPECT_EQ(step("cuts").detail, refusal);
    EXPECT_TRUE(state().createLog.endsWith("\n" + refusal)) << state().createLog.toStdString();
    EXPECT_EQ(state().status, "The local engine needs AI help for this edit.");
}

INSTANTIATE_TEST_SUITE_P(
    StepOneSaid, AgentSignIn,
    ::testing::Values(SignInCase{"NotSignedIn", "echo 'Not logged in'; exit 1", true, false},
                      SignInCase{"SilentlyNotSignedIn", "exit 1", true, false},
                      SignInCase{"SignedIn", "echo 'Logged in using ChatGPT'; exit 0", true, true},
                      SignInCase{"CheckNotFinished", "echo 'Not logged in'; exit 1", false, true}),
    [](const ::testing::TestParamInfo<SignInCase>& info) { return std::string(info.param.name); });

}  // namespace
