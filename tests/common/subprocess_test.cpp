#include "common/subprocess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "tests/support/test_files.h"

namespace {

common::SubprocessOptions shell(const std::string& script) {
    common::SubprocessOptions options;
    options.executable = "/bin/sh";
    options.arguments = {"-c", script};
    return options;
}

TEST(Subprocess, MergesStandardOutputAndErrorAndReportsExitCode) {
    const common::CapturedRun run =
        common::runAndCapture(shell("echo out; echo err 1>&2; exit 3"), 1000);
    ASSERT_FALSE(run.startError);
    EXPECT_EQ(run.output, "out\nerr\n");
    EXPECT_EQ(run.status.code, 3);
    EXPECT_FALSE(run.status.succeeded());
}

TEST(Subprocess, MissingExecutableIsAReportedFailure) {
    common::SubprocessOptions options;
    options.executable = "/no/such/program";
    const common::CapturedRun run = common::runAndCapture(options, 1000);
    ASSERT_TRUE(run.startError);
    EXPECT_NE(run.startError->find("/no/such/program"), std::string::npos);
    EXPECT_EQ(run.startError->find('\n'), std::string::npos);
}

TEST(Subprocess, UsesWorkingFolderEnvironmentAndNullInput) {
    testsupport::TemporaryFolder folder;
    common::SubprocessOptions options = shell("pwd; echo \"$TUNEWRIGHT_PROBE\"; cat; echo end");
    options.workingDirectory = folder.path().string();
    options.environmentOverrides["TUNEWRIGHT_PROBE"] = "probe value";
    const common::CapturedRun run = common::runAndCapture(options, 1000);
    ASSERT_FALSE(run.startError);
    EXPECT_EQ(run.output, folder.path().string() + "\nprobe value\nend\n");
    EXPECT_TRUE(run.status.succeeded());
}

TEST(Subprocess, MissingWorkingFolderIsAReportedFailure) {
    common::SubprocessOptions options = shell("true");
    options.workingDirectory = "/no/such/folder";
    EXPECT_TRUE(common::runAndCapture(options, 1000).startError);
}

TEST(Subprocess, KeepsOnlyTheNewestOutputBytes) {
    const common::CapturedRun run =
        common::runAndCapture(shell("head -c 300000 /dev/zero | tr '\\0' a; printf END"), 1000);
    ASSERT_EQ(run.output.size(), 1000u);
    EXPECT_EQ(run.output.substr(997), "END");
}

TEST(Subprocess, ChildDoesNotInheritOtherDescriptors) {
    // Only descriptors 0, 1 and 2 (plus the one ls opens itself) may be open in the child.
    const common::CapturedRun run = common::runAndCapture(shell("ls /proc/self/fd | wc -l"), 1000);
    ASSERT_FALSE(run.startError);
    EXPECT_LE(std::stoi(run.output), 4);
}

TEST(Subprocess, TerminateEndsARunningChildAndIsRefusedAfterExit) {
    common::Subprocess child(shell("sleep 30"));
    ASSERT_FALSE(child.start());
    EXPECT_TRUE(child.isRunning());
    EXPECT_TRUE(child.terminate());
    const common::ExitStatus status = child.waitForExit();
    EXPECT_EQ(status.signal, SIGTERM);
    EXPECT_FALSE(child.isRunning());
    EXPECT_FALSE(child.terminate());
    EXPECT_FALSE(child.kill());
}

TEST(Subprocess, KillEndsAChildThatIgnoresTermination) {
    std::mutex mutex;
    std::string output;
    common::Subprocess watched(shell("trap '' TERM; echo ready; while :; do sleep 0.05; done"),
                               [&](std::string_view chunk) {
                                   std::lock_guard<std::mutex> guard(mutex);
                                   output.append(chunk);
                               });
    ASSERT_FALSE(watched.start());
    for (int i = 0; i < 200; ++i) {
        std::lock_guard<std::mutex> guard(mutex);
        if (!output.empty()) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    watched.terminate();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(watched.isRunning());
    EXPECT_TRUE(watched.kill());
    EXPECT_EQ(watched.waitForExit().signal, SIGKILL);
}

TEST(Subprocess, WaitReturnsWhenAGrandchildKeepsThePipeOpen) {
    const auto started = std::chrono::steady_clock::now();
    const common::CapturedRun run = common::runAndCapture(shell("sleep 5 & echo parent done"), 1000);
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

}  // namespace
