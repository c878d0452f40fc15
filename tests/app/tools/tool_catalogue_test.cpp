// The whole catalogue, probed for real on this machine.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/tools/tool_probes.h"
#include "tests/app/support/fake_platform_services.h"
#include "tests/support/test_files.h"

namespace {

using app::tools::ToolCheck;

QString pathOf(const testsupport::TemporaryFolder& folder) {
    return QString::fromStdString(folder.path().string());
}

QString writeScript(const QString& path, const QByteArray& body) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}

const ToolCheck& row(const std::vector<ToolCheck>& checks, const QString& name) {
    for (const ToolCheck& check : checks) {
        if (check.name == name) return check;
    }
    static const ToolCheck missing;
    ADD_FAILURE() << "no row named " << name.toStdString();
    return missing;
}

struct Environment {
    testsupport::TemporaryFolder home;
    app::tools::ToolEnvironment tools;
    Environment() {
        tools.resourceFolder = testsupport::buildTreeResourceFolder();
        tools.homeFolder = pathOf(home);
        tools.documentsFolder = pathOf(home) + "/Documents";
        QDir(tools.homeFolder).mkpath("Documents");
    }
};

TEST(ToolCatalogue, OnThisMachineTheBundleMakesTheRequiredRowsReady) {
    Environment environment;
    environment.tools.codexLocator = [] { return std::nullopt; };
    const std::vector<ToolCheck> checks = app::tools::buildToolChecks(environment.tools);

    const std::vector<std::pair<QString, QString>> expected = {
        {"Apple Command Line Tools", "xcode-select -p"},
        {"Local music renderer", "seamforge"},
        {"macOS audio framework", "AVFoundation"},
        {"Homebrew", "brew"},
        {"Git", "git"},
        {"ffmpeg", "ffmpeg"},
        {"ffprobe", "ffprobe"},
        {"sox", "sox"},
        {"rubberband", "rubberband"},
        {"aubio", "aubio"},
        {"Python 3.11", "python3.11"},
        {"MP3 encoder", "bundled lame"},
        {"Python audio packages", "audio venv import check"},
        {"Music AI analysis packages", "music AI venv import check"},
        {"Codex CLI", "codex"},
        {"Codex login", "codex login status"},
        {"Velvetcut skill", environment.tools.homeFolder + "/.codex/skills/velvetcut/SKILL.md"},
    };
    ASSERT_EQ(checks.size(), expected.size());
    for (size_t index = 0; index < expected.size(); ++index) {
        EXPECT_EQ(checks[index].name, expected[index].first) << "row " << index + 1;
        EXPECT_EQ(checks[index].command, expected[index].second) << "row " << index + 1;
    }

    const QString bin = environment.tools.resourceFolder + "/bin/";
    EXPECT_TRUE(checks[1].isReady);
    EXPECT_EQ(checks[1].status, "Bundled in this app:\n" + bin + "seamforge");
    EXPECT_TRUE(checks[2].isReady);
    EXPECT_EQ(checks[2].status, "Built into macOS and used by the local renderer.");
    EXPECT_TRUE(checks[11].isReady) << "bin/lame must link to the system's lame: run "
                                       "scripts/install-deps";
    EXPECT_EQ(checks[11].status, "Bundled in this app:\n" + bin + "lame");

    EXPECT_FALSE(checks[0].isReady);  // there is no xcode-select here
    EXPECT_EQ(checks[0].status,
              "Not installed. macOS must install these before Homebrew and audio tools can be "
              "prepared.");
    for (size_t index = 3; index <= 10; ++index) {
        const ToolCheck& check = checks[index];
        if (check.isReady) {
            EXPECT_TRUE(app::tools::isExecutableFile(check.status)) << check.status.toStdString();
        } else {
            EXPECT_EQ(check.status, "Optional helper. Not required for local standalone edits.");
        }
    }
    EXPECT_EQ(checks[14].status, "Optional. Local standalone edits can still run without Codex.");
    EXPECT_EQ(checks[15].status, "Optional. Needed only for Codex fallback.");
    EXPECT_FALSE(checks[16].isReady);
    EXPECT_EQ(checks[16].status, "Optional. Needed only for Codex fallback.");
}

TEST(ToolCatalogue, EnvironmentsAgentAndSkillFillTheOptionalRows) {
    Environment environment;
    const QString home = environment.tools.homeFolder;
    const QString audioPython =
        writeScript(home + "/Documents/Tunewright Setup/.brightloom-env/bin/python",
                    "[ \"$1\" = -c ] && case \"$2\" in *pyloudnorm*) echo 'audio python packages "
                    "OK';; *) exit 3;; esac");
    const QString musicPython = writeScript(
        home + "/Documents/Tunewright Setup/.music-ai-env/bin/python", "echo 'No module'; exit 1");
    const QString agent = writeScript(home + "/agent/codex", "echo 'Logged in'");
    environment.tools.codexLocator = [agent] { return agent; };
    const QString skill = home + "/.codex/skills/velvetcut/SKILL.md";
    QDir().mkpath(QFileInfo(skill).absolutePath());
    QFile(skill).open(QIODevice::WriteOnly);

    const std::vector<ToolCheck> checks = app::tools::buildToolChecks(environment.tools);
    ASSERT_EQ(checks.size(), 17u);

    const ToolCheck& audio = row(checks, "Python audio packages");
    EXPECT_EQ(audio.command, audioPython);
    EXPECT_TRUE(audio.isReady);
    EXPECT_EQ(audio.status, "audio python packages OK\n" + audioPython);
    const ToolCheck& music = row(checks, "Music AI analysis packages");
    EXPECT_EQ(music.command, musicPython);
    EXPECT_FALSE(music.isReady);
    EXPECT_EQ(music.status, "Optional fallback not configured on this Mac.");
    EXPECT_EQ(row(checks, "Codex CLI").status, "Optional AI fallback ready:\n" + agent);
    EXPECT_TRUE(row(checks, "Codex login").isReady);
    EXPECT_EQ(row(checks, "Codex login").status, "Optional fallback signed in:\nLogged in");
    EXPECT_TRUE(row(checks, "Velvetcut skill").isReady);
    EXPECT_EQ(row(checks, "Velvetcut skill").status, "Optional fallback skill ready:\n" + skill);
}

TEST(ToolCatalogue, BundledHelpersWinAndLameFallsBackToTheCommandLine) {
    Environment environment;
    testsupport::TemporaryFolder resources;
    environment.tools.resourceFolder = pathOf(resources);
    environment.tools.codexLocator = [] { return std::nullopt; };
    const QString renderer = writeScript(pathOf(resources) + "/bin/seamforge", "exit 0");
    const QString ffmpeg = writeScript(pathOf(resources) + "/Tools/bin/ffmpeg", "exit 0");
    const auto systemLame = app::tools::commandLineToolPath("lame");
    ASSERT_TRUE(systemLame) << testsupport::requiredProgramMessage("lame");

    const std::vector<ToolCheck> checks = app::tools::buildToolChecks(environment.tools);
    EXPECT_EQ(row(checks, "Local music renderer").status, "Bundled in this app:\n" + renderer);
    EXPECT_TRUE(row(checks, "ffmpeg").isReady);
    EXPECT_EQ(row(checks, "ffmpeg").status, "Bundled in this app:\n" + ffmpeg);
    EXPECT_TRUE(row(checks, "MP3 encoder").isReady);
    EXPECT_EQ(row(checks, "MP3 encoder").status, *systemLame);
}

}  // namespace
