#include <gtest/gtest.h>

#include "app/tool_check/tool_probes.h"
#include "tests/app/run/run_test_fixture.h"

namespace {

using runtest::readText;
using runtest::writeDeliverableInto;
using runtest::writeScript;

// The agent takes the edit straight away: the note asks for something the engine cannot do.
class AgentRun : public runtest::RunTest {
protected:
    void startAgentEdit(const QByteArray& agentBody) {
        useAgent(makeAgent(agentBody));
        pickSongs(1);
        askForTheAgent();
        view().runs().createEdit();
        ASSERT_TRUE(state().isCreatingEdit);
    }
};

TEST_F(AgentRun, AnEditLeftInTheSongFolderIsCopiedOutAndCompletesTheRun) {
    startAgentEdit(
        "[ \"$last\" = \"$folder/Tunewright Setup/codex-last-message.txt\" ] || exit 65\n" +
        writeDeliverableInto("\"$folder\"") +
        "printf '{}' > \"$folder/qc-report.json\"\necho 'saved the edit'");
    ASSERT_TRUE(waitForEnd());
    EXPECT_FALSE(logHistory.filter("AI fallback: song 1 note asks for an effect").isEmpty());
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

TEST_F(AgentRun, AnAgentThatDoesNothingFailsWithTheNoOutputLog) {
    startAgentEdit("exit 0");
    ASSERT_TRUE(waitForEnd());
    const QString log = readText(handoffFile("background-codex-log.txt"));
    EXPECT_TRUE(log.startsWith("No terminal output was captured from Codex.")) << log.toStdString();
    EXPECT_TRUE(log.endsWith("\nOutput folder: " + outputFolder + "\n")) << log.toStdString();
    EXPECT_EQ(stepStates(),
              QStringList({"Done", "Needs Attention", "Waiting", "Waiting", "Needs Attention"}));
    EXPECT_TRUE(step("analyze").detail.startsWith("The background editor stopped before"));
    EXPECT_TRUE(state().createLog.startsWith("The background edit did not finish.\nNo verified"));
    EXPECT_TRUE(state().status.endsWith("A log was saved in the Tunewright Setup folder."));
    EXPECT_FALSE(QFile::exists(handoffFile("codex-last-message.txt")));
}

TEST_F(AgentRun, AnAgentThatCannotStartIsReported) {
    useAgent(wizard.homePath() + "/missing/codex");
    pickSongs(1);
    askForTheAgent();
    ASSERT_TRUE(createAndFinish());
    EXPECT_TRUE(
        state().status.startsWith("The background editor could not start: Could not start "))
        << state().status.toStdString();
    EXPECT_TRUE(state().createLog.startsWith("The background editor could not start.\nMake sure"));
    EXPECT_EQ(step("analyze").state, app::run::ProgressRowState::failed);
}

// What Step 1's finished check said about the agent's sign-in decides whether Create
// Edit may hand it the edit; with no finished check the agent is started as before.
struct SignInCase {
    const char* name;
    const char* loginAnswer;  // the agent's answer to `login status`
    bool checkFinished;
    bool agentStarts;
    bool checkFoundTheAgent = true;  // the check's agent row; without it nothing is known
};

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
        found.isReady = GetParam().checkFoundTheAgent;
        view().tools().applyToolCheckResults({found, app::tools::agentLoginCheck(agent)});
    }
    pickSongs(1);
    askForTheAgent();
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
                      SignInCase{"CheckNotFinished", "echo 'Not logged in'; exit 1", false, true},
                      SignInCase{"AgentNotFoundByTheCheck", "exit 1", true, true, false}),
    [](const ::testing::TestParamInfo<SignInCase>& info) { return std::string(info.param.name); });

}  // namespace
