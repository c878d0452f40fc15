#include <gtest/gtest.h>

#include <atomic>

#include "tests/app/support/wizard_test_helpers.h"

namespace {

using app::tools::ToolCheck;

std::vector<ToolCheck> rows(bool rendererReady, bool encoderReady) {
    std::vector<ToolCheck> checks(3);
    checks[0].name = "Homebrew";  // optional: never missing
    checks[1].name = "Local music renderer";
    checks[1].isReady = rendererReady;
    checks[2].name = "MP3 encoder";
    checks[2].isReady = encoderReady;
    return checks;
}

using ToolReadiness = testsupport::WizardTest;

TEST_F(ToolReadiness, ResultsSetMissingNamesAndTheStatusForTheSelection) {
    app::WizardState& state = this->state();
    EXPECT_FALSE(view().tools().toolsReady());  // no check has finished yet

    state.isCheckingTools = true;
    view().tools().applyToolCheckResults(rows(false, false));
    EXPECT_EQ(state.missingToolNames, QStringList({"Local music renderer", "MP3 encoder"}));
    EXPECT_FALSE(state.isCheckingTools);
    EXPECT_FALSE(view().tools().toolsReady());

    const auto statusAfterReadyCheck = [&] {
        view().tools().applyToolCheckResults(rows(true, true));
        EXPECT_TRUE(view().tools().toolsReady());
        return state.status.toStdString();
    };
    EXPECT_EQ(statusAfterReadyCheck(),
              "Step 1 is already complete. Choose 1, 2, or 3 songs to create an edit.");
    state.selectedFolder = wizard.makeFolder("Songs");
    EXPECT_EQ(statusAfterReadyCheck().substr(0, 23), "Audio tools are ready. ");
    state.tracks = {app::songs::TrackFile::forPath(*state.selectedFolder + "/a.mp3")};
    EXPECT_EQ(statusAfterReadyCheck(),
              "Step 2 complete. Add timing notes, then choose an output folder.");
    state.outputFolder = wizard.makeFolder("Out");
    EXPECT_EQ(statusAfterReadyCheck(),
              "Step 2 complete. Add any timing or section instructions for the edit.");

    // With a song folder chosen, a failed check leaves the last song message in place.
    state.status = "Song 1 replaced.";
    view().tools().applyToolCheckResults(rows(true, false));
    EXPECT_EQ(state.status, "Song 1 replaced.");
    EXPECT_EQ(state.missingToolNames, QStringList({"MP3 encoder"}));
}

TEST_F(ToolReadiness, QuickRefreshesRunOneCheckAndAMissingRendererBlocksStepOne) {
    desktop().resourceFolderPath = testsupport::writeFakeBundle(
        wizard.makeFolder("Bundle"), {}, testsupport::BundledLame::buildTrees);
    std::atomic<int> agentLookups{0};
    view().tools().setAgentLocatorForTesting([&agentLookups]() -> std::optional<QString> {
        ++agentLookups;
        return std::nullopt;
    });

    const app::WizardState& state = this->state();
    view().tools().refreshToolChecksInBackground();
    EXPECT_TRUE(state.isCheckingTools);  // set before the worker starts
    view().tools().refreshToolChecksInBackground();
    ASSERT_TRUE(testsupport::waitUntil([&] { return !state.isCheckingTools; }, 60));
    view().waitForBackgroundWork();
    EXPECT_EQ(agentLookups.load(), 1);
    ASSERT_EQ(state.toolChecks.size(), 17u);
    EXPECT_EQ(state.toolChecks[1].status, "Missing from app bundle. Reinstall Tunewright.");
    EXPECT_EQ(state.missingToolNames, QStringList({"Local music renderer"}));
    EXPECT_FALSE(view().tools().toolsReady());
    EXPECT_TRUE(state.status.startsWith("Some local engine files may be missing."));
}

}  // namespace
