// The whole catalogue, probed for real on this machine.

#include <gtest/gtest.h>

#include "app/tools/tool_probes.h"
#include "tests/app/support/fake_platform_services.h"
#include "tests/app/tools/script_files.h"

namespace {

using app::tools::ToolCheck;

const ToolCheck& row(const std::vector<ToolCheck>& checks, const QString& name) {
    const auto found = std::find_if(checks.begin(), checks.end(),
                                    [&](const ToolCheck& check) { return check.name == name; });
    if (found != checks.end()) return *found;
    static const ToolCheck missing;
    ADD_FAILURE() << "no row named " << name.toStdString();
    return missing;
}

struct CatalogueTest : ::testing::Test {
    testsupport::TemporaryFolder home;
    app::tools::ToolEnvironment environment;
    CatalogueTest() {
        environment.resourceFolder = testsupport::buildTreeResourceFolder();
        environment.homeFolder = scriptfiles::pathOf(home);
        environment.documentsFolder = environment.homeFolder + "/Documents";
        environment.codexLocator = [] { return std::nullopt; };
    }
};

TEST_F(CatalogueTest, OnThisMachineTheBundleMakesTheRequiredRowsReady) {
    const std::vector<ToolCheck> checks = app::tools::buildToolChecks(environment);
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
        {"Velvetcut skill", environment.homeFolder + "/.codex/skills/velvetcut/SKILL.md"},
    };
    ASSERT_EQ(checks.size(), expected.size());
    for (size_t index = 0; index < expected.size(); ++index) {
        EXPECT_EQ(checks[index].name, expected[index].first) << "row " << index + 1;
        EXPECT_EQ(checks[index].command, expected[index].second) << "row " << index + 1;
    }

    const QString bin = environment.resourceFolder + "/bin/";
    EXPECT_EQ(checks[1].status, "Bundled in this app:\n" + bin + "seamforge");
    EXPECT_TRUE(checks[2].isReady);
    ASSERT_TRUE(checks[11].isReady) << testsupport::requiredProgramMessage("lame");
    EXPECT_EQ(checks[11].status, "Bundled in this app:\n" + bin + "lame");
    EXPECT_FALSE(checks[0].isReady);  // no xcode-select on this system
    for (size_t index = 3; index <= 10; ++index) {
        // Ready helpers show their path; missing ones the optional text.
        const ToolCheck& check = checks[index];
        EXPECT_TRUE(check.isReady ? app::tools::isExecutableFile(check.status)
                                  : check.status ==
                                        "Optional helper. Not required for local "
                                        "standalone edits.")
            << check.name.toStdString() << ": " << check.status.toStdString();
    }
    EXPECT_EQ(checks[14].status, "Optional. Local standalone edits can still run without Codex.");
    EXPECT_EQ(checks[16].status, "Optional. Needed only for Codex fallback.");
}

TEST_F(CatalogueTest, OwnBundleEnvironmentsAgentAndSkillFillTheirRows) {
    testsupport::TemporaryFolder bundle;
    const QString resources = scriptfiles::pathOf(bundle);
    environment.resourceFolder = resources;
    scriptfiles::writeScript(resources + "/bin/seamforge", "exit 0");
    const QString ffmpeg = scriptfiles::writeScript(resources + "/Tools/bin/ffmpeg", "exit 0");
    const QString home = environment.homeFolder;
    const QString audioPython = scriptfiles::writeScript(
        home + "/Documents/Tunewright Setup/.brightloom-env/bin/python",
        "case \"$1 $2\" in *pyloudnorm*) echo 'audio python packages OK';; *) exit 3;; esac");
    scriptfiles::writeScript(home + "/Documents/Tunewright Setup/.music-ai-env/bin/python",
                             "echo 'No module named torch'; exit 1");
    const QString agent = scriptfiles::writeScript(home + "/agent/codex", "echo 'Logged in'");
    environment.codexLocator = [agent] { return agent; };
    const QString skill =
        scriptfiles::writeFile(home + "/.codex/skills/velvetcut/SKILL.md", "# skill", false);
    const auto systemLame = app::tools::commandLineToolPath("lame");
    ASSERT_TRUE(systemLame) << testsupport::requiredProgramMessage("lame");

    const std::vector<ToolCheck> checks = app::tools::buildToolChecks(environment);
    EXPECT_EQ(row(checks, "ffmpeg").status, "Bundled in this app:\n" + ffmpeg);
    EXPECT_TRUE(row(checks, "MP3 encoder").isReady);
    EXPECT_EQ(row(checks, "MP3 encoder").status, *systemLame);  // not the app's own copy
    const ToolCheck& audio = row(checks, "Python audio packages");
    EXPECT_EQ(audio.command, audioPython);
    EXPECT_EQ(audio.status, "audio python packages OK\n" + audioPython);
    EXPECT_FALSE(row(checks, "Music AI analysis packages").isReady);
    EXPECT_EQ(row(checks, "Music AI analysis packages").status,
              "Optional fallback not configured on this Mac.");
    EXPECT_EQ(row(checks, "Codex CLI").status, "Optional AI fallback ready:\n" + agent);
    EXPECT_TRUE(row(checks, "Codex login").isReady);
    EXPECT_EQ(row(checks, "Velvetcut skill").status, "Optional fallback skill ready:\n" + skill);
}

}  // namespace
