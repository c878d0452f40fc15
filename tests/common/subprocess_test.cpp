#include "common/subprocess.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "tests/support/process_state.h"
#include "tests/support/test_files.h"

namespace {

common::SubprocessOptions shell(const std::string& script) {
    common::SubprocessOptions options;
    options.executable = "/bin/sh";
    options.arguments = {"-c", script};
    return options;
}

// Both ways of starting a child (posix_spawn, and fork with a parent-death signal) must
// behave alike; the parameter is `dieWithParent`.
class SubprocessLaunch : public ::testing::TestWithParam<bool> {
protected:
    common::SubprocessOptions shell(const std::string& script) const {
        common::SubprocessOptions options = ::shell(script);
        options.dieWithParent = GetParam();
        return options;
    }
};

INSTANTIATE_TEST_SUITE_P(BothLaunches, SubprocessLaunch, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Fork" : "Spawn"; });

// Null input: `cat` ends at once instead of waiting for the test's own input.
TEST_P(SubprocessLaunch, UsesWorkingFolderEnvironmentAndNullInputAndMergesOutputAndError) {
    testsupport::TemporaryFolder folder;
    common::SubprocessOptions options =
        shell("pwd; echo \"$TUNEWRIGHT_PROBE\"; cat; echo out; echo err 1>&2; exit 3");
    options.workingDirectory = folder.path().string();
    options.environmentOverrides["TUNEWRIGHT_PROBE"] = "probe value";
    const common::CapturedRun run = common::runAndCapture(options, 1000);
    ASSERT_FALSE(run.startError);
    EXPECT_EQ(run.output, folder.path().string() + "\nprobe value\nout\nerr\n");
    EXPECT_EQ(run.status.code, 3);
    EXPECT_FALSE(run.status.succeeded());
}

// Input larger than a pipe holds, so that the writer must wait for the child; a child that
// stops reading turns later writes into a refusal, not a SIGPIPE that ends the parent.
TEST_P(SubprocessLaunch, FeedsStandardInputThroughAPipe) {
    const std::string input(1 << 20, 'x');
    std::mutex outputMutex;
    size_t received = 0;
    common::SubprocessOptions counting = shell("wc -c");
    counting.stdinFromPipe = true;
    common::Subprocess reader(counting, [&](std::string_view chunk) {
        std::lock_guard guard(outputMutex);
        received = std::stoul(std::string(chunk));
    });
    ASSERT_FALSE(reader.start());
    EXPECT_TRUE(reader.writeInput(input));
    reader.closeInput();
    EXPECT_TRUE(reader.waitForExit().succeeded());
    EXPECT_EQ(received, input.size());

    common::SubprocessOptions quitting = shell("head -c 10 >/dev/null");
    quitting.stdinFromPipe = true;
    common::Subprocess quitter(quitting);
    ASSERT_FALSE(quitter.start());
    EXPECT_FALSE(quitter.writeInput(input));
    EXPECT_FALSE(quitter.writeInput("more"));
    EXPECT_TRUE(quitter.waitForExit().succeeded());
}

TEST_P(SubprocessLaunch, AMissingExecutableOrWorkingFolderIsAReportedFailure) {
    common::SubprocessOptions options = shell("true");
    options.executable = "/no/such/program";
    const common::CapturedRun run = common::runAndCapture(options, 1000);
    ASSERT_TRUE(run.startError);
    EXPECT_NE(run.startError->find("/no/such/program"), std::string::npos);
    EXPECT_EQ(run.startError->find('\n'), std::string::npos);

    options = shell("true");
    options.workingDirectory = "/no/such/folder";
    EXPECT_TRUE(common::runAndCapture(options, 1000).startError);
}

TEST_P(SubprocessLaunch, KeepsOnlyTheNewestOutputBytes) {
    const common::CapturedRun run =
        common::runAndCapture(shell("head -c 300000 /dev/zero | tr '\\0' a; printf END"), 1000);
    ASSERT_EQ(run.output.size(), 1000u);
    EXPECT_EQ(run.output.substr(997), "END");
}

TEST_P(SubprocessLaunch, ChildDoesNotInheritOtherDescriptors) {
    // Only descriptors 0, 1 and 2 (plus the one ls opens itself) may be open in the child.
    const common::CapturedRun run = common::runAndCapture(shell("ls /proc/self/fd | wc -l"), 1000);
    ASSERT_FALSE(run.startError);
    EXPECT_LE(std::stoi(run.output), 4);
}

// The renderer's LAME must not outlive it: the kernel ends such a child as soon as the
// thread that started it is gone, here a thread that returns without waiting.
TEST(Subprocess, AChildThatDiesWithItsParentEndsWithTheStartingThread) {
    common::SubprocessOptions options = shell("exec sleep 30");
    options.dieWithParent = true;
    common::Subprocess child(options);
    std::thread([&] { ASSERT_FALSE(child.start().has_value()); }).join();
    EXPECT_EQ(child.waitForExit().signal, SIGKILL);
}

TEST(Subprocess, TerminateEndsARunningChildAndIsRefusedAfterExit) {
    common::Subprocess child(shell("sleep 30"));
    ASSERT_FALSE(child.start());
    EXPECT_TRUE(child.isRunning());
    EXPECT_TRUE(child.terminate());
    EXPECT_EQ(child.waitForExit().signal, SIGTERM);
    EXPECT_FALSE(child.isRunning());
    EXPECT_FALSE(child.terminate());
    EXPECT_FALSE(child.kill());
}

TEST(Subprocess, WaitReturnsWhenAGrandchildKeepsThePipeOpen) {
    const auto started = std::chrono::steady_clock::now();
    const common::CapturedRun run =
        common::runAndCapture(shell("sleep 5 & echo parent done"), 1000);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(4));
    EXPECT_EQ(run.output, "parent done\n");
    EXPECT_TRUE(run.status.succeeded());
}

TEST(Subprocess, DestroyingARunningChildKillsAndReapsIt) {
    pid_t pid = 0;
    {
        common::Subprocess child(shell("sleep 30"));
        ASSERT_FALSE(child.start());
        pid = child.pid();
    }
    EXPECT_NE(::kill(pid, 0), 0);  // neither running nor a zombie
}

// A child in its own group that starts a grandchild, then runs `childSetup` (e.g. its own
// trap), then `rest`; the grandchild ignores SIGTERM when `stubborn`. Its pid reaches `pidFile`
// only when both are ready, so no signal the test sends after reading it beats a trap.
common::SubprocessOptions groupWithGrandchild(const std::filesystem::path& pidFile, bool stubborn,
                                              const std::string& childSetup,
                                              const std::string& rest) {
    const std::string part = "'" + pidFile.string() + ".part'";
    const std::string grandchild = std::string(stubborn ? "trap '' TERM; " : "trap - TERM; ") +
                                   "exec sh -c 'echo $$ > \"$0\"; exec sleep 60' " + part;
    common::SubprocessOptions options =
        shell("(" + grandchild + ") & while [ ! -s " + part + " ]; do sleep 0.01; done; " +
              childSetup + " mv " + part + " '" + pidFile.string() + "'; " + rest);
    options.ownProcessGroup = true;
    return options;
}

// The grandchild's pid file lives in the fixture's folder.
class SubprocessGroup : public ::testing::Test {
protected:
    testsupport::TemporaryFolder folder;
    const std::filesystem::path pidFile = folder / "grandchild.pid";
};

TEST_F(SubprocessGroup, SignalsReachWhatTheChildStartedWhileItRuns) {
    // The child itself ignores SIGTERM: only the kill ends it.
    common::Subprocess child(
        groupWithGrandchild(pidFile, false, "trap '' TERM;", "while :; do sleep 0.05; done"));
    ASSERT_FALSE(child.start());
    const std::optional<pid_t> grandchild = testsupport::readPidFile(pidFile);
    ASSERT_TRUE(grandchild);

    EXPECT_TRUE(child.terminate());
    EXPECT_TRUE(testsupport::waitForProcessEnd(*grandchild));
    EXPECT_TRUE(child.isRunning());
    EXPECT_TRUE(child.kill());
    const std::optional<common::ExitStatus> status = child.waitForExitFor(std::chrono::seconds(5));
    if (!status) ::kill(child.pid(), SIGKILL);  // fail in time, leaving no process behind
    ASSERT_TRUE(status) << "the kill did not reach the child";
    EXPECT_EQ(status->signal, SIGKILL);
}

TEST_F(SubprocessGroup, KillReachesAStubbornGrandchildAfterTheChildHasEnded) {
    common::Subprocess child(groupWithGrandchild(pidFile, true, "", "exit 0"));
    ASSERT_FALSE(child.start());
    EXPECT_TRUE(child.waitForExit().succeeded());
    const std::optional<pid_t> grandchild = testsupport::readPidFile(pidFile);
    ASSERT_TRUE(grandchild);

    EXPECT_FALSE(child.isRunning());
    EXPECT_TRUE(child.hasLiveProcesses());
    EXPECT_TRUE(child.terminate());
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(testsupport::processHasEnded(*grandchild)) << "SIGTERM is ignored";
    EXPECT_TRUE(child.kill());
    EXPECT_TRUE(testsupport::waitForProcessEnd(*grandchild));
}

TEST_F(SubprocessGroup, WithoutAGroupOfItsOwnTheChildSharesTheParentsGroup) {
    common::SubprocessOptions options = shell("ps -o pgid= -p $$");
    EXPECT_EQ(std::stol(common::runAndCapture(options, 1000).output), ::getpgrp());
    options.ownProcessGroup = true;
    EXPECT_NE(std::stol(common::runAndCapture(options, 1000).output), ::getpgrp());
}

TEST_F(SubprocessGroup, AChildThatRunsOutOfTimeIsKilledWithItsGroupAndReported) {
    const auto started = std::chrono::steady_clock::now();
    const common::CapturedRun run =
        common::runAndCapture(groupWithGrandchild(pidFile, true, "", "echo partial; wait"), 1000,
                              std::chrono::milliseconds(300));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_TRUE(run.timedOut);
    EXPECT_EQ(run.status.signal, SIGKILL);
    EXPECT_FALSE(run.status.succeeded());
    const std::optional<pid_t> grandchild = testsupport::readPidFile(pidFile);
    ASSERT_TRUE(grandchild);
    EXPECT_TRUE(testsupport::waitForProcessEnd(*grandchild));

    // A child that ends in time is not touched by the timeout.
    const common::CapturedRun quick =
        common::runAndCapture(shell("echo done"), 1000, std::chrono::milliseconds(5000));
    EXPECT_FALSE(quick.timedOut);
    EXPECT_TRUE(quick.status.succeeded());
    EXPECT_EQ(quick.output, "done\n");
}

}  // namespace
