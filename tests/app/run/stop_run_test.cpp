// Stop, the agent's grace period and closing the window end everything a run started:
// the child and whatever the child started, even when both ignore SIGTERM.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "tests/app/run/run_test_fixture.h"
#include "tests/support/process_state.h"

namespace {

using runtest::readText;
using runtest::writeDeliverableInto;
using testsupport::processHasEnded;

enum class Runner { localEngine, agent };
enum class Ending { stop, windowCloses };

struct StopCase {
    const char* name;
    Runner runner;
    Ending ending;
};

class StopRun : public runtest::RunTest, public ::testing::WithParamInterface<StopCase> {
protected:
    QString childPidFile() const { return wizard.homePath() + "/child.pid"; }
    QString grandchildPidFile() const { return wizard.homePath() + "/grandchild.pid"; }

    // A child that starts a long grandchild ignoring SIGTERM, notes both pids, ignores
    // SIGTERM itself and never ends by itself. `before` runs first.
    QByteArray stubbornChild(const QByteArray& before = {}) const {
        return before + "(trap '' TERM; exec sleep 60) &\necho $! > '" +
               grandchildPidFile().toUtf8() + "'\ntrap '' TERM\necho $$ > '" +
               childPidFile().toUtf8() + "'\nwhile :; do sleep 0.2; done\n";
    }

    // Starts the run and waits until the child and the grandchild have noted their pids.
    void startRun(Runner runner, const QByteArray& agentBefore = {}) {
        if (runner == Runner::localEngine) {
            useFakeEngine(stubbornChild());
            pickSongs(1);
        } else {
            useAgent(makeAgent(stubbornChild(agentBefore)));
            pickSongs(1);
            askForTheAgent();
        }
        view().runs().createEdit();
        ASSERT_TRUE(state().isCreatingEdit);
        ASSERT_TRUE(testsupport::waitUntil(
            [&] { return pidIn(childPidFile()) > 0 && pidIn(grandchildPidFile()) > 0; }, 10));
        child = pidIn(childPidFile());
        grandchild = pidIn(grandchildPidFile());
    }

    pid_t child = 0;
    pid_t grandchild = 0;
};

TEST_P(StopRun, EndsTheChildAndTheGrandchildItStarted) {
    ASSERT_NO_FATAL_FAILURE(startRun(GetParam().runner));
    QElapsedTimer timer;
    timer.start();
    if (GetParam().ending == Ending::stop) {
        view().runs().stopCreateEdit();
        ASSERT_TRUE(waitForEnd(15));
        EXPECT_EQ(stepStates(), QStringList({"Done", "Stopped", "Stopped", "Waiting", "Waiting"}));
        EXPECT_EQ(state().status, "Edit stopped. You can go back and make changes.");
        EXPECT_FALSE(state().completedOutputFolder);
    } else {
        wizard.view.reset();  // what closing the window does to the view
    }
    // Both ignore SIGTERM: only the kill 2 s later ends them.
    EXPECT_GE(timer.elapsed(), 1500);
    EXPECT_TRUE(testsupport::waitForProcessEnd(child));
    EXPECT_TRUE(testsupport::waitForProcessEnd(grandchild));
}

INSTANTIATE_TEST_SUITE_P(
    EveryRunAndEnding, StopRun,
    ::testing::Values(StopCase{"LocalEngineStopped", Runner::localEngine, Ending::stop},
                      StopCase{"LocalEngineWindowClosed", Runner::localEngine,
                               Ending::windowCloses},
                      StopCase{"AgentStopped", Runner::agent, Ending::stop},
                      StopCase{"AgentWindowClosed", Runner::agent, Ending::windowCloses}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

// The agent left a finished MP3 but goes on, and so does what it started: once the files
// have stayed unchanged for 5 s the saved file shows, after 5 s of grace both are ended
// and the run counts as complete.
TEST_F(StopRun, TheGracePeriodEndsAStubbornAgentAndItsGrandchildAsASuccess) {
    QElapsedTimer timer;
    timer.start();
    ASSERT_NO_FATAL_FAILURE(startRun(Runner::agent, writeDeliverableInto("\"$out\"")));
    ASSERT_TRUE(testsupport::waitUntil(
        [&] { return step("save").state == app::run::ProgressRowState::running; }, 20));
    EXPECT_EQ(stepStates(), QStringList({"Done", "Done", "Done", "Done", "Installing"}));
    EXPECT_TRUE(state().createLog.startsWith("320 kbps MP3 file saved:\nMix - DJ edit.mp3\n"));

    ASSERT_TRUE(waitForEnd(40));
    EXPECT_GE(timer.elapsed(), 9000);  // 5 s stable + 5 s grace, less the 1 s check step
    expectAgentCompleted();
    EXPECT_EQ(readText(handoffFile("codex-last-message.txt")),
              "Complete. The finished MP3 and edit notes are saved in:\n" + outputFolder + "\n");
    EXPECT_TRUE(processHasEnded(child));
    EXPECT_TRUE(testsupport::waitForProcessEnd(grandchild));
}

}  // namespace
