#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QJsonArray>

#include "app/tool_check/tool_probes.h"
#include "tests/app/run/run_test_fixture.h"

namespace {

using runtest::readText;
using runtest::writeDeliverableInto;
using runtest::writeFile;

class LocalEngineRun : public runtest::RunTest {
protected:
    QString markerPath() const { return QDir(wizard.homePath()).filePath("engine-call.txt"); }
};

TEST_F(LocalEngineRun, CreateEditRefusesUnreadySetupsWithoutTheProgressScreen) {
    view().runs().createEdit();
    EXPECT_EQ(state().status, "Choose 1, 2, or 3 songs first.");

    pickSongs(2);
    state().outputFolder.reset();
    view().runs().createEdit();
    EXPECT_EQ(state().status, "Choose an output folder before creating the edit.");

    state().outputFolder = writeFile(wizard.homePath() + "/a file", "x") + "/Edits";
    view().runs().createEdit();
    EXPECT_TRUE(state().status.startsWith("Could not use that output folder: "))
        << state().status.toStdString();

    state().outputFolder = outputFolder;
    for (const auto& track : state().tracks) QFile::remove(track.url);
    view().runs().createEdit();
    EXPECT_EQ(state().status, "No audio files found. Add 1, 2, or 3 songs first.");

    // A scanned folder holding four songs.
    for (int n = 1; n <= 4; ++n) writeFile(songFolder + QString("/extra %1.mp3").arg(n), "x");
    state().usedDirectSongSelection = false;
    view().runs().createEdit();
    EXPECT_EQ(state().status, "This setup expects 1, 2, or 3 source songs.");
    EXPECT_FALSE(state().showCreateProgressScreen);
    EXPECT_FALSE(state().isCreatingEdit);
    EXPECT_TRUE(state().createSteps.empty());
}

TEST_F(LocalEngineRun, StopInsideThePauseStartsNothing) {
    useFakeEngine("touch '" + markerPath().toUtf8() + "'");
    pickSongs(1);
    view().runs().createEdit();
    EXPECT_EQ(state().status, "Creating the music edit...");
    EXPECT_EQ(state().createLog, "Preparing the songs.");
    view().runs().stopCreateEdit();
    testsupport::waitUntil([] { return false; }, 0.5);
    EXPECT_FALSE(QFile::exists(handoffFile("fast-time-render-job.json")));
    EXPECT_FALSE(QFile::exists(markerPath()));
    EXPECT_EQ(stepStates(), QStringList({"Stopped", "Waiting", "Waiting", "Waiting", "Waiting"}));
}

TEST_F(LocalEngineRun, AFinishedMp3CountsOnlyWithExitStatusZero) {
    useFakeEngine(writeDeliverableInto("'" + outputFolder.toUtf8() + "'") + "exit 2");
    pickSongs(1);
    ASSERT_TRUE(createAndFinish());
    EXPECT_EQ(readText(handoffFile("fast-time-render-log.txt")), "");
    EXPECT_TRUE(step("analyze").detail.startsWith("Standalone local engine stopped before"));
    EXPECT_EQ(state().createLog,
              "Standalone local engine did not finish and AI fallback was not available.");
    EXPECT_FALSE(state().completedOutputFolder);
}

TEST_F(LocalEngineRun, ALateHandlerOfAnEarlierRunNeverTouchesTheNewRun) {
    useFakeEngine("echo started\nexec sleep 30");
    pickSongs(1);
    view().runs().createEdit();
    ASSERT_TRUE(testsupport::waitUntil([&] { return state().createLog.contains("scanning"); }, 10));

    // Stop, Back and Create Edit again before the first run's handler arrives.
    view().runs().stopCreateEdit();
    view().progress().backToInstructions();
    view().runs().createEdit();
    ASSERT_TRUE(state().isCreatingEdit);
    testsupport::waitUntil([] { return false; }, 2.0);  // the first run ends meanwhile

    EXPECT_TRUE(state().isCreatingEdit);
    EXPECT_FALSE(view().progress().createWasStopped());
    EXPECT_EQ(step("analyze").state, app::run::ProgressRowState::running);
    EXPECT_NE(state().status, "Edit stopped. You can go back and make changes.");
    view().runs().stopCreateEdit();
    ASSERT_TRUE(waitForEnd(10));
}

TEST_F(LocalEngineRun, NewSongsPickedAfterStopKeepTheStoppedRunsLateUpdatesAway) {
    useFakeEngine("trap 'sleep 1; exit 1' TERM\necho started\nwhile :; do sleep 0.1; done");
    pickSongs(1);
    view().runs().createEdit();
    ASSERT_TRUE(testsupport::waitUntil([&] { return state().createLog.contains("scanning"); }, 10));

    view().runs().stopCreateEdit();
    pickSongs(2);  // while the stopped engine is still ending
    const QString pickedStatus = state().status;
    testsupport::waitUntil([] { return false; }, 2.5);  // the stopped run ends meanwhile
    view().waitForBackgroundWork();
    QCoreApplication::processEvents();

    EXPECT_EQ(state().status, pickedStatus);
    EXPECT_TRUE(state().createSteps.empty());
    EXPECT_TRUE(state().createLog.isEmpty());
}

TEST_F(LocalEngineRun, AJobFileThatCannotBeWrittenStartsNothing) {
    useFakeEngine("touch '" + markerPath().toUtf8() + "'");
    QDir().mkpath(handoffFile("fast-time-render-job.json"));  // a folder in the job's place
    pickSongs(1);
    ASSERT_TRUE(createAndFinish());
    EXPECT_FALSE(QFile::exists(markerPath()));
    EXPECT_TRUE(
        state().createLog.endsWith("could not prepare its job files. Switching to AI fallback."));
    EXPECT_TRUE(step("analyze").detail.startsWith("Could not write " +
                                                  handoffFile("fast-time-render-job.json")))
        << step("analyze").detail.toStdString();
    EXPECT_EQ(state().status, "The fast renderer could not start.");
}

// The cases where the engine cannot take or finish the edit, each once with an agent
// that then makes the edit and once with Local Only. The agent path after a job file
// that could not be written is the same as after a renderer that could not start.
class EngineHandOver : public LocalEngineRun, public ::testing::WithParamInterface<bool> {
protected:
    bool withAgent() const { return GetParam(); }
    void prepareAgent() {
        if (!withAgent()) return;
        agentCalls = wizard.homePath() + "/agent-calls.txt";
        useAgent(makeAgent("echo \"$prompt\" | head -n 1 >> '" + agentCalls.toUtf8() + "'\n" +
                           writeDeliverableInto("\"$out\"") + "echo 'agent done'"));
    }
    // The agent made the edit after the hand-over.
    void expectAgentFinished() {
        EXPECT_EQ(readText(agentCalls), "# Tunewright Setup\n");
        expectAgentCompleted();
        EXPECT_EQ(readText(handoffFile("background-codex-log.txt")), "agent done\n");
    }

    QString agentCalls;
};

TEST_P(EngineHandOver, RendererMissing) {
    useResourceFolder("EmptyBundle");
    prepareAgent();
    pickSongs(2);
    ASSERT_TRUE(createAndFinish());
    if (withAgent()) {
        EXPECT_FALSE(logHistory.filter("AI fallback: scanning first notes").isEmpty());
        return expectAgentFinished();
    }
    EXPECT_EQ(stepStates(),
              QStringList({"Done", "Needs Attention", "Waiting", "Waiting", "Needs Attention"}));
    EXPECT_EQ(step("analyze").detail, "Bundled local renderer and AI fallback were not available.");
    EXPECT_TRUE(
        state().createLog.endsWith("points.\nStandalone local engine unavailable: bundled "
                                   "renderer was not found. Switching to AI fallback."));
    EXPECT_EQ(state().status, "The local engine and AI fallback were not available.");
}

TEST_P(EngineHandOver, RendererCannotStart) {
    const QString resources = useResourceFolder("BrokenBundle");
    const QString renderer =
        writeFile(resources + "/bin/seamforge", QByteArray("\x01\x02garbage\x7f", 10),
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeGroup |
                      QFile::ReadGroup | QFile::ExeOther | QFile::ReadOther);
    prepareAgent();
    pickSongs(1);
    ASSERT_TRUE(createAndFinish());
    EXPECT_TRUE(logHistory.join('\n').contains("engine could not start. Switching to AI"));
    if (withAgent()) return expectAgentFinished();
    EXPECT_EQ(step("analyze").state, app::run::ProgressRowState::failed);
    EXPECT_TRUE(step("analyze").detail.startsWith("Could not start " + renderer))
        << step("analyze").detail.toStdString();
    EXPECT_TRUE(state().createLog.startsWith("The standalone local engine could not start"));
    EXPECT_EQ(state().status, "The local engine could not start.");
}

TEST_P(EngineHandOver, RendererEndsWithoutMp3) {
    useFakeEngine(
        "printf '%s\\n' \"$#\" \"$1\" \"$(pwd)\" \"${MUSIC_EDIT_LAME-unset}\" "
        "\"$(readlink /proc/$$/fd/0)\" > '" +
        markerPath().toUtf8() +
        "'\n"
        "echo 'LOCAL_STEP reading'; echo; echo '  LOCAL_STEP cutting  '\n"
        "echo LOCAL_RENDER_OK");
    prepareAgent();
    pickSongs(2);
    // This process reads a song, so only the run's own redirection gives the engine /dev/null.
    const int ownInput = ::fcntl(0, F_DUPFD_CLOEXEC, 3);
    const int song = ::open(state().tracks[0].url.toUtf8().constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_TRUE(ownInput >= 0 && song >= 0);
    ::dup2(song, 0);
    ::close(song);
    const bool ended = createAndFinish();
    ::dup2(ownInput, 0);
    ::close(ownInput);
    ASSERT_TRUE(ended);

    // One argument (the job file), run in the song folder with LAME named and no input.
    const QStringList call = readText(markerPath()).split('\n');
    ASSERT_GE(call.size(), 5);
    EXPECT_EQ(call[0], "1");
    EXPECT_EQ(call[1], handoffFile("fast-time-render-job.json"));
    EXPECT_EQ(call[2], songFolder);
    EXPECT_TRUE(call[3].endsWith("lame")) << call[3].toStdString();
    EXPECT_EQ(call[4], "/dev/null");
    EXPECT_EQ(job()["outputFolder"].toString(), outputFolder);
    EXPECT_EQ(job()["tracks"].toArray().size(), 2);
    EXPECT_EQ(job()["snapToBeat"], true);  // the default choice
    EXPECT_EQ(readText(handoffFile("fast-time-render-log.txt")),
              "LOCAL_STEP reading\n\n  LOCAL_STEP cutting  \nLOCAL_RENDER_OK\n");
    EXPECT_FALSE(logHistory.filter("Standalone local engine: scanning first notes").isEmpty());

    const QString summary = "LOCAL_STEP cutting LOCAL_RENDER_OK";
    if (withAgent()) {
        EXPECT_TRUE(logHistory.contains(
            "Standalone local engine could not verify the edit. Switching to AI fallback.\n" +
            summary));
        EXPECT_TRUE(statusHistory.contains(
            "Local engine needed AI fallback. Continuing in the background."));
        return expectAgentFinished();
    }
    EXPECT_EQ(stepStates(),
              QStringList({"Done", "Needs Attention", "Waiting", "Waiting", "Needs Attention"}));
    EXPECT_EQ(step("analyze").detail, summary);
    EXPECT_TRUE(state().createLog.endsWith("not available.\n" + summary));
    EXPECT_EQ(state().status, "The fast render did not finish.");
    EXPECT_FALSE(state().completedOutputFolder);
}

INSTANTIATE_TEST_SUITE_P(WithAgentAndLocalOnly, EngineHandOver, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithAgent" : "LocalOnly"; });

// Without LAME in the bundle, the LAME on the command line (which Step 1 shows as ready)
// is what the song picker accepts and what the engine is given.
TEST_F(LocalEngineRun, LameFromTheCommandLineIsAcceptedAndGivenToTheEngine) {
    const std::optional<QString> systemLame = app::tools::commandLineToolPath("lame");
    ASSERT_TRUE(systemLame) << testsupport::requiredProgramMessage("lame");
    useFakeEngine("printf '%s' \"$MUSIC_EDIT_LAME\" > '" + markerPath().toUtf8() + "'\n" +
                  writeDeliverableInto("'" + outputFolder.toUtf8() + "'"));
    ASSERT_FALSE(app::tools::bundledToolPath(desktop().resourceFolderPath, "lame"));

    pickSongFiles(testsupport::writeSongs(songFolder, {"one.wav"}, 0.3, 0.0));
    ASSERT_EQ(state().tracks.size(), 1u) << state().status.toStdString();
    state().outputFolder = outputFolder;
    ASSERT_TRUE(createAndFinish());
    EXPECT_EQ(readText(markerPath()), *systemLame);
    EXPECT_EQ(state().completedOutputFolder, outputFolder);
}

}  // namespace
