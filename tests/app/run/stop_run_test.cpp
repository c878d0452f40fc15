// Stop, the agent's grace period and closing the window end everything a run started:
// the child and whatever the child started, even when both ignore SIGTERM.

#include <gtest/gtest.h>
#include <signal.h>

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
// Test names and failure messages show the case's name.
void PrintTo(const StopCase& value, std::ostream* out) { *out << value.name; }

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

    void startRun(Runner runner) {
        if (runner == Runner::localEngine) {
            const QString resources = useResourceFolder("StubbornBundle");
            runtest::writeScript(resources + "/bin/seamforge", stubbornChild());
            pickSongs(1);
        } else {
            useAgent(makeAgent(stubbornChild()));
            pickSongs(1);
            view().setSongGuidanceText(state().tracks[0], "Add a tape stop at the end.");
        }
        view().createEdit();
        ASSERT_TRUE(state().isCreatingEdit);
    }

    static pid_t pidIn(const QString& file) {
        return static_cast<pid_t>(readText(file).trimmed().toLongLong());
    }
    bool bothStarted() const { return pidIn(childPidFile()) > 0 && pidIn(grandchildPidFile()) > 0; }
};

TEST_P(StopRun, EndsTheChildAndTheGrandchildItStarted) {
    startRun(GetParam().runner);
    ASSERT_TRUE(testsupport::waitUntil([&] { return bothStarted(); }, 10));
    const pid_t child = pidIn(childPidFile());
    const pid_t grandchild = pidIn(grandchildPidFile());

    QElapsedTimer timer;
    timer.start();
    if (GetParam().ending == Ending::stop) {
        view().stopCreateEdit();
        ASSERT_TRUE(waitForEnd(15));
        EXPECT_EQ(state().status, "Edit stopped. You can go back and make changes.");
    } else {
        wizard.view.reset();  // what closing the window does to the view
    }
    // Both ignore SIGTERM: only the kill 2 s later ends them.
    EXPECT_GE(timer.elapsed(), 1500);
    EXPECT_TRUE(testsupport::waitUntil([&] { return processHasEnded(child); }, 5));
    EXPECT_TRUE(testsupport::waitUntil([&] { return processHasEnded(grandchild); }, 5));
}

INSTANTIATE_TEST_SUITE_P(
    EveryRunAndEnding, StopRun,
    ::testing::Values(StopCase{"LocalEngineStopped", Runner::localEngine, Ending::stop},
                      StopCase{"LocalEngineWindowClosed", Runner::localEngine,
                               Ending::windowCloses},
                      StopCase{"AgentStopped", Runner::agent, Ending::stop},
                      StopCase{"AgentWindowClosed", Runner::agent, Ending::windowCloses}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

// The agent left a finished MP3 but goes on, and so does what it started: after the grace
// period both are ended and the run counts as complete.
TEST_F(StopRun, TheGracePeriodEndsAStubbornAgentAndItsGrandchild) {
    useAgent(makeAgent(stubbornChild(writeDeliverableInto("\"$out\""))));
    pickSongs(1);
    view().setSongGuidanceText(state().tracks[0], "Add a tape stop at the end.");
    view().createEdit();
    ASSERT_TRUE(state().isCreatingEdit);
    ASSERT_TRUE(testsupport::waitUntil([&] { return bothStarted(); }, 10));
    const pid_t child = pidIn(childPidFile());
    const pid_t grandchild = pidIn(grandchildPidFile());

    ASSERT_TRUE(waitForEnd(40));
    expectAgentCompleted();
    EXPECT_TRUE(processHasEnded(child));
    EXPECT_TRUE(testsupport::waitUntil([&] { return processHasEnded(grandchild); }, 5));
}

}  // namespace
