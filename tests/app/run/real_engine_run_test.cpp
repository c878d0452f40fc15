// Stop with the real seamforge of the build tree's bundle and a LAME that never ends (the
// window test makes a whole edit with the real pair).

#include <gtest/gtest.h>

#include "app/run/deliverables.h"
#include "tests/app/run/run_test_fixture.h"
#include "tests/support/process_state.h"

namespace {

using runtest::readText;

class RealEngineRun : public runtest::RunTest {
protected:
    ~RealEngineRun() override {
        if (previousTmpdir) {
            qputenv("TMPDIR", *previousTmpdir);
        } else {
            qunsetenv("TMPDIR");
        }
    }

    // The child's temporary folder, where the renderer keeps its work folder.
    QString useChildTemporaryFolder() {
        if (qEnvironmentVariableIsSet("TMPDIR")) previousTmpdir = qgetenv("TMPDIR");
        const QString folder = wizard.makeFolder("child-tmp");
        qputenv("TMPDIR", folder.toUtf8());
        return folder;
    }

    std::optional<QByteArray> previousTmpdir;
};

TEST_F(RealEngineRun, StopWhileEncodingEndsTheEngineAndItsWork) {
    const QString resources = useResourceFolder("SlowLameBundle");
    const QString engine = QString::fromStdString(testsupport::bundleBinFolder().string());
    ASSERT_TRUE(QFile::link(engine + "/seamforge", resources + "/bin/seamforge"));
    const QString lameStarted = wizard.homePath() + "/lame-started";
    runtest::writeScript(resources + "/bin/lame",
                         "echo $$ > '" + lameStarted.toUtf8() + "'\nexec sleep 30");
    // Two songs of one second of silence and four of tone, each cut to two seconds.
    view().handleAudioFileSelection(
        testsupport::writeSongs(songFolder, {"Song 1.wav", "Song 2.wav"}, 4.0, 1.0));
    ASSERT_EQ(state().tracks.size(), 2u) << state().status.toStdString();
    state().outputFolder = outputFolder;
    for (const auto& track : state().tracks) view().setSongEndTime(track, "0:02");
    const QString temporary = useChildTemporaryFolder();

    view().createEdit();
    ASSERT_TRUE(testsupport::waitUntil([&] { return !readText(lameStarted).isEmpty(); }, 60))
        << readText(handoffFile("fast-time-render-log.txt")).toStdString();
    EXPECT_FALSE(QDir(temporary).isEmpty());  // the renderer's work folder
    view().stopCreateEdit();
    ASSERT_TRUE(waitForEnd(10));

    EXPECT_EQ(stepStates().count("Stopped"), 2) << stepStates().join(' ').toStdString();
    EXPECT_EQ(state().status, "Edit stopped. You can go back and make changes.");
    EXPECT_EQ(state().createLog,
              "Edit stopped. Go back to change anything, then click Create Edit again.");
    EXPECT_FALSE(state().completedOutputFolder);
    EXPECT_TRUE(QDir(temporary).isEmpty());
    EXPECT_FALSE(app::run::newestAudioFile(outputFolder));
    EXPECT_TRUE(testsupport::waitForProcessEnd(pidIn(lameStarted)));
    EXPECT_TRUE(readText(handoffFile("fast-time-render-log.txt")).contains("LOCAL_RENDER_FAILED"));
}

}  // namespace
