#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <atomic>

#include "tests/app/support/wizard_test_helpers.h"

namespace {

using app::tools::ToolCheck;

ToolCheck check(const QString& name, bool isReady) {
    ToolCheck row;
    row.name = name;
    row.isReady = isReady;
    return row;
}

std::vector<ToolCheck> rows(bool rendererReady, bool encoderReady) {
    return {check("Apple Command Line Tools", false), check("Local music renderer", rendererReady),
            check("macOS audio framework", true),     check("Homebrew", false),
            check("MP3 encoder", encoderReady),       check("Codex login", false)};
}

class ToolReadiness : public ::testing::Test {
protected:
    testsupport::WizardFixture wizard;
    app::WizardState& state() { return wizard.view->state(); }
};

TEST_F(ToolReadiness, MissingRowsAreTheRequiredOnesInCatalogueOrder) {
    EXPECT_FALSE(wizard.view->toolsReady());  // no check has finished yet
    state().isCheckingTools = true;
    wizard.view->applyToolCheckResults(rows(false, false));
    EXPECT_EQ(state().missingToolNames, QStringList({"Local music renderer", "MP3 encoder"}));
    EXPECT_FALSE(state().isCheckingTools);
    EXPECT_FALSE(wizard.view->toolsReady());
    EXPECT_EQ(state().status,
              "Some local engine files may be missing. Reinstall Tunewright if anything required "
              "is not ready.");

    wizard.view->applyToolCheckResults(rows(true, true));
    EXPECT_TRUE(state().missingToolNames.isEmpty());
    EXPECT_TRUE(wizard.view->toolsReady());
    EXPECT_EQ(state().toolChecks.size(), 6u);
}

TEST_F(ToolReadiness, StatusFollowsTheSongSelection) {
    wizard.view->applyToolCheckResults(rows(true, true));
    EXPECT_EQ(state().status,
              "Step 1 is already complete. Choose 1, 2, or 3 songs to create an edit.");

    state().selectedFolder = wizard.makeFolder("Songs");
    wizard.view->applyToolCheckResults(rows(true, true));
    EXPECT_EQ(state().status,
              "Audio tools are ready. Choose 1, 2, or 3 songs, or choose a folder containing the "
              "songs.");

    state().tracks = {app::songs::TrackFile::forPath(*state().selectedFolder + "/a.mp3")};
    wizard.view->applyToolCheckResults(rows(true, true));
    EXPECT_EQ(state().status, "Step 2 complete. Add timing notes, then choose an output folder.");

    state().outputFolder = wizard.makeFolder("Out");
    wizard.view->applyToolCheckResults(rows(true, true));
    EXPECT_EQ(state().status,
              "Step 2 complete. Add any timing or section instructions for the edit.");

    // With a song folder chosen, a failed check leaves the last song message in place.
    state().status = "Song 1 replaced.";
    wizard.view->applyToolCheckResults(rows(true, false));
    EXPECT_EQ(state().status, "Song 1 replaced.");
    EXPECT_EQ(state().missingToolNames, QStringList({"MP3 encoder"}));
}

TEST_F(ToolReadiness, TwoQuickRefreshesRunOneCheck) {
    std::atomic<int> lookups{0};
    wizard.view->setCodexLocatorForTesting([&lookups]() -> std::optional<QString> {
        ++lookups;
        return std::nullopt;
    });
    int notifications = 0;
    QObject::connect(wizard.view.get(), &app::ContentView::changed, [&] { ++notifications; });

    wizard.view->refreshToolChecksInBackground();
    EXPECT_TRUE(state().isCheckingTools);  // set before the worker starts
    wizard.view->refreshToolChecksInBackground();
    ASSERT_TRUE(testsupport::waitUntil([&] { return !state().isCheckingTools; }, 60));
    wizard.view->waitForBackgroundWork();
    QCoreApplication::processEvents();

    EXPECT_EQ(lookups.load(), 1);
    EXPECT_EQ(state().toolChecks.size(), 17u);
    EXPECT_TRUE(wizard.view->toolsReady());
    EXPECT_GE(notifications, 2);
    EXPECT_EQ(state().status,
              "Step 1 is already complete. Choose 1, 2, or 3 songs to create an edit.");
}

TEST_F(ToolReadiness, BundleWithoutTheRendererBlocksStepOne) {
    testsupport::TemporaryFolder resources;
    const QString folder = QString::fromStdString(resources.path().string());
    QDir(folder).mkpath("bin");
    ASSERT_TRUE(
        QFile::link(testsupport::buildTreeResourceFolder() + "/bin/lame", folder + "/bin/lame"));
    wizard.services->resourceFolderPath = folder;
    wizard.view->setCodexLocatorForTesting([] { return std::nullopt; });

    wizard.view->refreshToolChecksInBackground();
    ASSERT_TRUE(testsupport::waitUntil([&] { return !state().isCheckingTools; }, 60));

    EXPECT_EQ(state().missingToolNames, QStringList({"Local music renderer"}));
    EXPECT_FALSE(wizard.view->toolsReady());
    EXPECT_EQ(state().toolChecks[1].status, "Missing from app bundle. Reinstall Tunewright.");
    EXPECT_EQ(state().status,
              "Some local engine files may be missing. Reinstall Tunewright if anything required "
              "is not ready.");
}

}  // namespace
