#include "app/tool_check/tool_probes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <chrono>
#include <tuple>

#include "tests/app/support/wizard_test_helpers.h"
#include "tests/support/process_state.h"

namespace {

using app::tools::runCommandResult;
using testsupport::writeFile;
using testsupport::writeScript;

TEST(RunCommandResult, ReportsMergedOutputExitStatusAndStartFailures) {
    const auto merged = runCommandResult("/bin/sh", {"-c", "echo out; echo err 1>&2; exit 1"});
    EXPECT_FALSE(merged.succeeded);
    EXPECT_EQ(merged.output, "out\nerr\n");  // callers trim

    const auto missing = runCommandResult("/no/such/program", {});
    EXPECT_FALSE(missing.succeeded);
    EXPECT_TRUE(missing.output.isEmpty());

    const auto invalid = runCommandResult("/bin/sh", {"-c", "printf 'ok \\377'"});
    EXPECT_TRUE(invalid.succeeded);
    EXPECT_TRUE(invalid.output.isEmpty());

    // Reads nothing from standard input and runs in the given folder.
    testsupport::TemporaryFolder folder;
    const QString path = testsupport::pathOf(folder);
    const auto located = runCommandResult("/bin/sh", {"-c", "cat; pwd -P"}, path);
    EXPECT_EQ(located.output, QFileInfo(path).canonicalFilePath() + "\n");
}

TEST(BundledToolPath, TriesTheBundleFoldersInOrderAndNeedsAnExecutableFile) {
    testsupport::TemporaryFolder folder;
    const QString resources = testsupport::pathOf(folder);
    QDir(resources).mkpath("StandaloneEngine/bin/seamforge");  // a folder
    writeFile(resources + "/Tools/bin/seamforge", "data");     // not executable
    EXPECT_FALSE(app::tools::bundledToolPath(resources, "seamforge"));

    const QString inBin = writeScript(resources + "/bin/seamforge", "exit 0");
    EXPECT_EQ(app::tools::bundledToolPath(resources, "seamforge"), inBin);
    writeScript(resources + "/bin/lame", "exit 0");
    const QString inTools = writeScript(resources + "/Tools/bin/lame", "exit 0");
    EXPECT_EQ(app::tools::bundledToolPath(resources, "lame"), inTools);

    // A link to a program counts (the build tree's bin/lame is one); a dangling one does not.
    QFile::link(inBin, resources + "/bin/linked");
    EXPECT_EQ(app::tools::bundledToolPath(resources, "linked"), resources + "/bin/linked");
    QFile::link(resources + "/gone", resources + "/bin/dangling");
    EXPECT_FALSE(app::tools::bundledToolPath(resources, "dangling"));
    EXPECT_FALSE(app::tools::bundledToolPath("", "seamforge"));
}

TEST(PythonEnvironments, BundleFirstThenTheSetupFoldersInOrder) {
    testsupport::TemporaryFolder folder;
    const QString root = testsupport::pathOf(folder);
    app::tools::ToolEnvironment environment;
    environment.resourceFolder = root + "/Resources";
    environment.documentsFolder = root + "/Documents";
    environment.selectedFolder = root + "/Songs";
    EXPECT_FALSE(app::tools::pythonAudioEnvironmentPythonPath(environment));

    // Each later file belongs to a place that is searched earlier.
    for (const char* relative :
         {"/Songs/Velvetcut Setup/.brightloom-env/bin/python",
          "/Songs/Tunewright Setup/.brightloom-env/bin/python",
          "/Documents/Velvetcut Setup/.brightloom-env/bin/python",
          "/Documents/Tunewright Setup/.brightloom-env/bin/python", "/Resources/Python/bin/python",
          "/Resources/StandaloneEngine/python/bin/python3"}) {
        const QString python = writeScript(root + QString(relative), "exit 0");
        EXPECT_EQ(app::tools::pythonAudioEnvironmentPythonPath(environment), python);
    }
}

TEST(AgentLoginCheck, ExitStatusDecidesReadinessAndOutputDecidesText) {
    testsupport::TemporaryFolder folder;
    const QString root = testsupport::pathOf(folder);
    // Each fake agent insists on the probe's exact arguments.
    const QByteArray onlyLoginStatus = "[ \"$1 $2 $#\" = \"login status 2\" ] || exit 9\n";
    const auto check = [&](const QByteArray& body) {
        return app::tools::agentLoginCheck(writeScript(root + "/codex", onlyLoginStatus + body));
    };

    const std::tuple<app::tools::ToolCheck, bool, const char*> cases[] = {
        {app::tools::agentLoginCheck(std::nullopt), false, "Optional. Needed only for Codex"},
        {check("exit 1"), false, "Optional fallback not signed in."},
        {check("echo '  Not logged in  '; exit 1"), false,
         "Optional fallback not signed in:\nNot logged in"},
        {check("echo 'Logged in using an API key'"), true,
         "Optional fallback signed in:\nLogged in using an API key"},
    };
    for (const auto& [result, ready, status] : cases) {
        EXPECT_EQ(result.isReady, ready) << status;
        EXPECT_TRUE(result.status.startsWith(status)) << result.status.toStdString();
    }
}

// A login profile that hangs makes the command-line lookup find nothing rather than wait.
TEST(ProbeTimeout, AHangingProbeCountsAsNotFoundAndLeavesNothingRunning) {
    testsupport::TemporaryFolder home;
    const std::filesystem::path pidFile = home.path() / "sleep.pid";
    writeFile(testsupport::pathOf(home) + "/.bash_profile",
              QByteArray("sleep 60 & echo $! > '") + pidFile.c_str() + "'; wait\n");
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", testsupport::pathOf(home).toUtf8());
    QElapsedTimer timer;
    timer.start();
    const std::optional<QString> lookedUp =
        app::tools::commandLineToolPath("sh", std::chrono::milliseconds(300));
    qputenv("HOME", realHome);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_FALSE(lookedUp);
    const std::optional<pid_t> profileSleep = testsupport::readPidFile(pidFile);
    ASSERT_TRUE(profileSleep);
    EXPECT_TRUE(testsupport::waitForProcessEnd(*profileSleep));
}

}  // namespace
