#include "app/tools/tool_probes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/tools/codex_agent.h"
#include "tests/support/test_files.h"

namespace {

using app::tools::CommandResult;
using app::tools::runCommandResult;

QString pathOf(const testsupport::TemporaryFolder& folder) {
    return QString::fromStdString(folder.path().string());
}

// Writes a file (with parents) and, when asked, makes it executable.
QString writeFile(const QString& path, const QByteArray& contents, bool executable) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(contents);
    file.close();
    if (executable) {
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                            QFileDevice::ExeOther);
    }
    return path;
}

QString writeScript(const QString& path, const QByteArray& body) {
    return writeFile(path, "#!/bin/sh\n" + body + "\n", true);
}

TEST(RunCommandResult, MergesOutputAndErrorAndReportsExitStatus) {
    const CommandResult result =
        runCommandResult("/bin/sh", {"-c", "printf 'out\\n'; printf 'err\\n' 1>&2; exit 0"});
    EXPECT_TRUE(result.succeeded);
    EXPECT_EQ(result.output, "out\nerr\n");  // not trimmed here

    const CommandResult failed = runCommandResult("/bin/sh", {"-c", "echo no; exit 1"});
    EXPECT_FALSE(failed.succeeded);
    EXPECT_EQ(failed.output, "no\n");
}

TEST(RunCommandResult, MissingProgramGivesEmptyOutputAndNoSuccess) {
    const CommandResult result = runCommandResult("/no/such/program", {"-p"});
    EXPECT_FALSE(result.succeeded);
    EXPECT_TRUE(result.output.isEmpty());
}

TEST(RunCommandResult, InvalidUtf8OutputIsEmptyAndWorkingFolderAndNullInputAreUsed) {
    const CommandResult invalid = runCommandResult("/bin/sh", {"-c", "printf 'ok \\377\\376'"});
    EXPECT_TRUE(invalid.succeeded);
    EXPECT_TRUE(invalid.output.isEmpty());

    const CommandResult accented = runCommandResult("/bin/sh", {"-c", "printf 'Caf\\303\\251'"});
    EXPECT_EQ(accented.output, QString::fromUtf8("Caf\xc3\xa9"));

    testsupport::TemporaryFolder folder;
    const QString canonical = QFileInfo(pathOf(folder)).canonicalFilePath();
    const CommandResult located =
        runCommandResult("/bin/sh", {"-c", "pwd -P; cat; echo end"}, pathOf(folder));
    EXPECT_EQ(located.output, canonical + "\nend\n");
}

TEST(BundledToolPath, TriesTheBundleFoldersInOrderAndNeedsAnExecutableFile) {
    testsupport::TemporaryFolder folder;
    const QString resources = pathOf(folder);
    EXPECT_FALSE(app::tools::bundledToolPath(resources, "seamforge"));

    // A folder or a file without execute permission does not count.
    QDir(resources).mkpath("StandaloneEngine/bin/seamforge");
    writeFile(resources + "/Tools/bin/seamforge", "data", false);
    EXPECT_FALSE(app::tools::bundledToolPath(resources, "seamforge"));

    const QString inBin = writeScript(resources + "/bin/seamforge", "exit 0");
    EXPECT_EQ(app::tools::bundledToolPath(resources, "seamforge"), inBin);
    const QString inTools = writeScript(resources + "/Tools/bin/lame", "exit 0");
    writeScript(resources + "/bin/lame", "exit 0");
    EXPECT_EQ(app::tools::bundledToolPath(resources, "lame"), inTools);

    // A link to an executable counts (the build tree's bin/lame is one); a dangling one does not.
    QFile::link(inBin, resources + "/StandaloneEngine/bin/linked");
    EXPECT_EQ(app::tools::bundledToolPath(resources, "linked"),
              resources + "/StandaloneEngine/bin/linked");
    QFile::link(resources + "/gone", resources + "/bin/dangling");
    EXPECT_FALSE(app::tools::bundledToolPath(resources, "dangling"));

    EXPECT_FALSE(app::tools::bundledToolPath("", "seamforge"));
}

TEST(CommandLineToolPath, FindsProgramsOnTheLoginPathAndNothingElse) {
    const auto shell = app::tools::commandLineToolPath("sh");
    ASSERT_TRUE(shell);
    EXPECT_TRUE(app::tools::isExecutableFile(*shell)) << shell->toStdString();
    EXPECT_FALSE(shell->endsWith('\n'));
    EXPECT_FALSE(app::tools::commandLineToolPath("tunewright-no-such-tool"));
}

TEST(PythonEnvironments, BundleFirstThenTheSetupFoldersInOrder) {
    testsupport::TemporaryFolder folder;
    const QString root = pathOf(folder);
    app::tools::ToolEnvironment environment;
    environment.resourceFolder = root + "/Resources";
    environment.documentsFolder = root + "/Documents";
    environment.selectedFolder = root + "/Songs";
    EXPECT_FALSE(app::tools::pythonAudioEnvironmentPythonPath(environment));
    EXPECT_FALSE(app::tools::musicAIEnvironmentPythonPath(environment));

    const QString songsVelvetcut =
        writeScript(root + "/Songs/Velvetcut Setup/.brightloom-env/bin/python", "exit 0");
    EXPECT_EQ(app::tools::pythonAudioEnvironmentPythonPath(environment), songsVelvetcut);
    const QString documentsVelvetcut =
        writeScript(root + "/Documents/Velvetcut Setup/.brightloom-env/bin/python", "exit 0");
    EXPECT_EQ(app::tools::pythonAudioEnvironmentPythonPath(environment), documentsVelvetcut);
    const QString documentsTunewright =
        writeScript(root + "/Documents/Tunewright Setup/.brightloom-env/bin/python", "exit 0");
    EXPECT_EQ(app::tools::pythonAudioEnvironmentPythonPath(environment), documentsTunewright);
    const QString bundled = writeScript(root + "/Resources/Python/bin/python", "exit 0");
    EXPECT_EQ(app::tools::pythonAudioEnvironmentPythonPath(environment), bundled);
    const QString engine =
        writeScript(root + "/Resources/StandaloneEngine/python/bin/python3", "exit 0");
    EXPECT_EQ(app::tools::pythonAudioEnvironmentPythonPath(environment), engine);

    const QString musicAI =
        writeScript(root + "/Documents/Tunewright Setup/.music-ai-env/bin/python", "exit 0");
    EXPECT_EQ(app::tools::musicAIEnvironmentPythonPath(environment), musicAI);
}

TEST(CodexLoginCheck, ExitStatusDecidesReadinessAndOutputDecidesText) {
    testsupport::TemporaryFolder folder;
    const QString root = pathOf(folder);
    // Each fake agent insists on the probe's exact arguments.
    const QByteArray checkArguments = "[ \"$1 $2 $#\" = \"login status 2\" ] || exit 9\n";
    const QString silent = writeScript(root + "/silent", checkArguments + "exit 1");
    const QString refusing =
        writeScript(root + "/refusing", checkArguments + "echo '  Not logged in  '; exit 1");
    const QString signedIn =
        writeScript(root + "/signed-in", checkArguments + "echo 'Logged in using an API key'");

    const app::tools::ToolCheck none = app::tools::codexLoginCheck(std::nullopt);
    EXPECT_EQ(none.name, "Codex login");
    EXPECT_EQ(none.command, "codex login status");
    EXPECT_FALSE(none.isReady);
    EXPECT_EQ(none.status, "Optional. Needed only for Codex fallback.");

    const app::tools::ToolCheck notSignedIn = app::tools::codexLoginCheck(silent);
    EXPECT_FALSE(notSignedIn.isReady);
    EXPECT_EQ(notSignedIn.status, "Optional fallback not signed in.");

    const app::tools::ToolCheck refused = app::tools::codexLoginCheck(refusing);
    EXPECT_FALSE(refused.isReady);
    EXPECT_EQ(refused.status, "Optional fallback signed in:\nNot logged in");

    const app::tools::ToolCheck ready = app::tools::codexLoginCheck(signedIn);
    EXPECT_TRUE(ready.isReady);
    EXPECT_EQ(ready.status, "Optional fallback signed in:\nLogged in using an API key");
}

TEST(CodexAgent, EditArgumentsPutTheLastMessageFileBeforeThePrompt) {
    EXPECT_EQ(
        app::tools::codexEditArguments("/songs", std::nullopt, "Make the edit"),
        QStringList({"exec", "--skip-git-repo-check", "--dangerously-bypass-approvals-and-sandbox",
                     "-C", "/songs", "Make the edit"}));
    EXPECT_EQ(
        app::tools::codexEditArguments("/songs", QString("/songs/last.txt"), "Make it"),
        QStringList({"exec", "--skip-git-repo-check", "--dangerously-bypass-approvals-and-sandbox",
                     "-C", "/songs", "--output-last-message", "/songs/last.txt", "Make it"}));
    EXPECT_EQ(app::tools::codexSkillPath("/home/dj"), "/home/dj/.codex/skills/velvetcut/SKILL.md");
}

}  // namespace
