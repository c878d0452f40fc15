// The whole catalogue, probed for real on this machine.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/tool_check/tool_probes.h"
#include "tests/app/support/wizard_test_helpers.h"

namespace {

using app::tools::ToolCheck;

const ToolCheck& row(const std::vector<ToolCheck>& checks, const QString& name) {
    static const ToolCheck none;
    const auto found = std::ranges::find(checks, name, &ToolCheck::name);
    EXPECT_NE(found, checks.end()) << "no row named " << name.toStdString();
    return found != checks.end() ? *found : none;
}

// The rows that hold Step 1.
QStringList missing(const std::vector<ToolCheck>& checks) {
    QStringList names;
    for (const ToolCheck& check : checks) {
        if (app::tools::countsAsMissing(check)) names << check.name;
    }
    return names;
}

struct CatalogueTest : ::testing::Test {
    testsupport::TemporaryFolder home;
    app::tools::ToolEnvironment environment;
    CatalogueTest() {
        environment.resourceFolder = testsupport::buildTreeResourceFolder();
        environment.homeFolder = testsupport::pathOf(home);
        environment.documentsFolder = environment.homeFolder + "/Documents";
        environment.agentLocator = [] { return std::nullopt; };
    }
};

TEST_F(CatalogueTest, OnThisMachineTheBundleMakesEveryRequiredRowReady) {
    const std::vector<ToolCheck> checks = app::tools::buildToolChecks(environment);
    // One row per name; all but the bundle's own rows are optional.
    QStringList names;
    QStringList required;
    for (const ToolCheck& check : checks) {
        names << check.name;
        if (!app::tools::optionalFallbackToolNames().contains(check.name)) required << check.name;
    }
    EXPECT_EQ(names.removeDuplicates(), 0);
    EXPECT_EQ(required,
              QStringList({"Local music renderer", "Audio decoding libraries", "MP3 encoder"}));
    // The renderer's and the encoder's rows: VelvetcutSetup_FindsItsBundleUnderXvfb.

    const ToolCheck& decoding = row(checks, "Audio decoding libraries");
    EXPECT_TRUE(decoding.isReady);
    EXPECT_EQ(decoding.command, "FFmpeg");
    EXPECT_TRUE(decoding.status.startsWith("Used by the local renderer:\nlibavformat "))
        << decoding.status.toStdString();
    for (const char* library : {", libavcodec ", ", libavutil ", ", libswresample "}) {
        EXPECT_TRUE(decoding.status.contains(library)) << library;
    }
    // This is a Debian machine: apt-get comes first of the managers looked for.
    EXPECT_EQ(row(checks, "Package manager").command, "apt-get");
    EXPECT_EQ(row(checks, "Package manager").status, app::tools::commandLineToolPath("apt-get"));

    // Optional rows that are not ready (no agent, no Homebrew here) hold nothing up.
    EXPECT_EQ(missing(checks), QStringList());
}

TEST_F(CatalogueTest, OwnBundleEnvironmentsAgentAndSkillFillTheirRows) {
    testsupport::TemporaryFolder bundle;
    const QString resources = testsupport::pathOf(bundle);
    environment.resourceFolder = resources;
    // A renderer that names its own versions but not its FFmpeg libraries.
    testsupport::writeScript(resources + "/bin/seamforge",
                             "echo 'seamforge 4.8'; echo 'LAME 64bits version 3.100'");
    const QString ffmpeg = testsupport::writeScript(resources + "/Tools/bin/ffmpeg", "exit 0");
    const QString home = environment.homeFolder;
    const QString audioPython = testsupport::writeScript(
        home + "/Documents/Tunewright Setup/.brightloom-env/bin/python",
        "case \"$1 $2\" in *pyloudnorm*) echo 'audio python packages OK';; *) exit 3;; esac");
    testsupport::writeScript(home + "/Documents/Tunewright Setup/.music-ai-env/bin/python",
                             "echo 'No module named torch'; exit 1");
    const QString agent = testsupport::writeScript(home + "/agent/codex", "echo 'Logged in'");
    environment.agentLocator = [agent] { return agent; };
    const QString skill =
        testsupport::writeFile(home + "/.codex/skills/velvetcut/SKILL.md", "# skill");
    const auto systemLame = app::tools::commandLineToolPath("lame");
    ASSERT_TRUE(systemLame) << testsupport::requiredProgramMessage("lame");

    const std::vector<ToolCheck> checks = app::tools::buildToolChecks(environment);
    EXPECT_EQ(row(checks, "ffmpeg").status, "Bundled in this app:\n" + ffmpeg);
    EXPECT_EQ(row(checks, "MP3 encoder").status, *systemLame);  // not the app's own copy
    EXPECT_EQ(row(checks, "Python audio packages").status,
              "audio python packages OK\n" + audioPython);
    EXPECT_FALSE(row(checks, "Music AI analysis packages").isReady);
    EXPECT_EQ(row(checks, "Music AI analysis packages").status,
              "Optional fallback not configured on this computer.");
    EXPECT_EQ(row(checks, "Codex CLI").status, "Optional AI fallback ready:\n" + agent);
    EXPECT_TRUE(row(checks, "Codex login").isReady);
    EXPECT_EQ(row(checks, "Velvetcut skill").status, "Optional fallback skill ready:\n" + skill);
    EXPECT_EQ(row(checks, "Audio decoding libraries").status,
              "Missing from app bundle. Reinstall Tunewright.");
    EXPECT_EQ(missing(checks), QStringList());  // the decoding row never holds Step 1 alone
}

// The FFmpeg line of a renderer that fails does not count: its libraries may be broken.
TEST_F(CatalogueTest, TheDecodingRowNeedsARendererThatSucceeds) {
    testsupport::TemporaryFolder bundle;
    environment.resourceFolder = testsupport::pathOf(bundle);
    testsupport::writeScript(environment.resourceFolder + "/bin/seamforge",
                             "echo 'FFmpeg libavformat 59.27.100'; exit 2");
    const std::vector<ToolCheck> checks = app::tools::buildToolChecks(environment);
    EXPECT_FALSE(row(checks, "Audio decoding libraries").isReady);
    EXPECT_EQ(missing(checks), QStringList());
}

TEST(PackageManagerRow, ShowsTheFirstManagerFoundInOrderOrTheOptionalText) {
    const auto shell = app::tools::commandLineToolPath("sh");
    ASSERT_TRUE(shell);
    const ToolCheck found =
        app::tools::packageManagerCheck({"tunewright-no-such-manager", "sh", "bash"});
    EXPECT_TRUE(found.isReady);
    EXPECT_EQ(found.command, "sh");
    EXPECT_EQ(found.status, *shell);

    const ToolCheck missing =
        app::tools::packageManagerCheck({"tunewright-no-such-manager", "tunewright-no-dnf"});
    EXPECT_FALSE(missing.isReady);
    EXPECT_EQ(missing.command, "tunewright-no-such-manager, tunewright-no-dnf");
    EXPECT_EQ(missing.status, "Optional helper. Not required for local standalone edits.");
}

}  // namespace
