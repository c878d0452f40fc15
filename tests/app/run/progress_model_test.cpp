#include <gtest/gtest.h>

#include "app/run/live_status.h"
#include "app/run/run_output.h"
#include "tests/app/run/run_test_fixture.h"

namespace {

using app::run::ProgressRowState;

const QDateTime kNow = QDateTime(QDate(2025, 3, 1), QTime(12, 0), Qt::UTC);

class ProgressModel : public runtest::RunTest {
protected:
    ProgressModel() {
        view().setClockForTesting([this] { return clock; });
        state().createSteps = app::run::defaultCreateSteps();
        state().isCreatingEdit = true;
        state().editStartedAt = kNow;
        state().lastEditActivityAt = kNow;
    }

    void run(const char* id, double progress) {
        view().progress().setCreateStep(app::run::createStepFromRawValue(id).value(),
                                        ProgressRowState::running, progress, "working");
    }

    QDateTime clock = kNow;
};

// The agent reports no steps of its own: time moves its rows forward, each advance a tick,
// and hands each one over to the next; the wording follows the progress.
TEST_F(ProgressModel, TimeMovesTheAgentsRowsForwardAndHandsEachOver) {
    run("analyze", 0.12);
    for (const auto& [id, following] :
         {std::pair{"analyze", "cuts"}, std::pair{"cuts", "render"}}) {
        SCOPED_TRACE(id);
        QStringList wordings;
        for (int advances = 0; step(id).state == ProgressRowState::running; ++advances) {
            ASSERT_LT(advances, 100) << "never handed over";
            const double before = step(id).progress;
            const int tick = state().createStatusTick;
            view().progress().advanceVisibleEditProgress();
            EXPECT_GT(step(id).progress, before);
            EXPECT_EQ(state().createStatusTick, tick + 1);
            if (!wordings.contains(step(id).detail)) wordings << step(id).detail;
        }
        EXPECT_EQ(step(id).state, ProgressRowState::done);
        EXPECT_DOUBLE_EQ(step(id).progress, 1.0);
        EXPECT_EQ(step(following).state, ProgressRowState::running);
        EXPECT_DOUBLE_EQ(step(following).progress, 0.1);
        EXPECT_EQ(state().createLog,
                  view().progress().progressLog(*app::run::createStepFromRawValue(following)));
        if (QString(id) == "analyze") {
            ASSERT_EQ(wordings.size(), 4) << wordings.join('\n').toStdString();
            for (const char* phrase : {"scanning", "checking beats", "confirming"}) {
                EXPECT_TRUE(wordings.takeFirst().contains(phrase)) << phrase;
            }
            EXPECT_EQ(wordings.takeFirst(), "Audio analysis complete.");
        }
    }

    // The last timed row stops below full and stays running; only the save moves it on.
    for (int advance = 0; advance < 100; ++advance) view().progress().advanceVisibleEditProgress();
    const double capped = step("render").progress;
    EXPECT_LT(capped, 1.0);
    EXPECT_EQ(step("render").state, ProgressRowState::running);
    EXPECT_TRUE(state().createLog.startsWith("Still building and checking the edit."));
    const int tick = state().createStatusTick;
    view().progress().advanceVisibleEditProgress();
    EXPECT_DOUBLE_EQ(step("render").progress, capped);
    EXPECT_EQ(state().createStatusTick, tick + 1);
    EXPECT_EQ(step("save").state, ProgressRowState::pending);
}

// The local engine announces its steps; time keeps to the running one until it does.
TEST_F(ProgressModel, LocalEngineRowsMoveOnTheEnginesStepsOnly) {
    state().isUsingLocalEngine = true;
    run("analyze", 0.18);
    for (int advance = 0; advance < 100; ++advance) view().progress().advanceVisibleEditProgress();
    EXPECT_EQ(step("analyze").state, ProgressRowState::running);
    EXPECT_DOUBLE_EQ(step("analyze").progress, 0.95);
    EXPECT_EQ(step("cuts").state, ProgressRowState::pending);

    view().progress().followEngineMilestone(app::run::EngineMilestone::cutsDone);
    EXPECT_EQ(step("analyze").state, ProgressRowState::done);
    EXPECT_EQ(step("cuts").state, ProgressRowState::done);
    // Each row reads what it reads when the finished edit marks it done.
    EXPECT_EQ(step("analyze").detail, "Local audio and structure scan complete.");
    EXPECT_EQ(step("cuts").detail, "Timing and phrase targets snapped to clean cut points.");
    EXPECT_EQ(step("render").state, ProgressRowState::running);
    EXPECT_DOUBLE_EQ(step("render").progress, 0.1);
    EXPECT_EQ(state().createLog, view().progress().progressLog(app::run::CreateStep::render));

    view().progress().followEngineMilestone(app::run::EngineMilestone::renderDone);
    view().progress().followEngineMilestone(
        app::run::EngineMilestone::cutsDone);  // late: changes nothing
    EXPECT_EQ(step("render").state, ProgressRowState::done);
    EXPECT_EQ(step("render").detail, "Continuous 320 kbps MP3 built.");
    EXPECT_EQ(step("save").state, ProgressRowState::running);
    EXPECT_EQ(step("save").detail,
              view().progress().progressDetail(app::run::CreateStep::save, 0.1));
    EXPECT_EQ(state().createLog, view().progress().progressLog(app::run::CreateStep::save));
    for (int advance = 0; advance < 10; ++advance) view().progress().advanceVisibleEditProgress();
    EXPECT_DOUBLE_EQ(step("save").progress, 0.1);

    // A stopped run, or the agent's, ignores the engine's lines.
    state().createSteps = app::run::defaultCreateSteps();
    run("analyze", 0.5);
    state().isUsingLocalEngine = false;
    view().progress().followEngineMilestone(app::run::EngineMilestone::cutsDone);
    state().isUsingLocalEngine = true;
    state().isCreatingEdit = false;
    view().progress().followEngineMilestone(app::run::EngineMilestone::renderDone);
    EXPECT_EQ(step("analyze").state, ProgressRowState::running);
    EXPECT_EQ(step("render").state, ProgressRowState::pending);
}

TEST(EngineMilestoneReader, ReadsWholeStepLinesAcrossChunks) {
    using app::run::EngineMilestone;
    struct Case {
        std::vector<std::string> chunks;
        std::vector<EngineMilestone> expected;
    };
    const Case cases[] = {
        {{"LOCAL_STEP analyze starting\nLOCAL_STEP cuts done\n"}, {EngineMilestone::cutsDone}},
        {{"LOCAL_STEP cu", "ts done\r\nLOCAL_STEP render", " done\n"},
         {EngineMilestone::cutsDone, EngineMilestone::renderDone}},
        {{"LOCAL_STEP cuts done"}, {}},  // not a line until it ends
        {{"x LOCAL_STEP cuts done\n", "LOCAL_STEP cuts done later\n", "LOCAL_STEP render\n"}, {}},
        {{std::string(5000, 'a'), "\nLOCAL_STEP render done\n"}, {EngineMilestone::renderDone}},
    };
    for (const Case& test : cases) {
        app::run::EngineMilestoneReader reader;
        std::vector<EngineMilestone> reached;
        for (const std::string& chunk : test.chunks) {
            for (const EngineMilestone milestone : reader.feed(chunk)) reached.push_back(milestone);
        }
        EXPECT_EQ(reached, test.expected) << test.chunks.front().substr(0, 40);
    }
}

TEST_F(ProgressModel, VisibleProgressNeedsARunningTimedStep) {
    run("prepare", 0.35);
    run("save", 0.5);
    view().progress().advanceVisibleEditProgress();
    EXPECT_EQ(state().createStatusTick, 0);
    EXPECT_DOUBLE_EQ(step("save").progress, 0.5);

    run("analyze", 0.18);
    state().isCreatingEdit = false;
    view().progress().advanceVisibleEditProgress();
    EXPECT_EQ(state().createStatusTick, 0);
    EXPECT_DOUBLE_EQ(step("analyze").progress, 0.18);
}

TEST_F(ProgressModel, StoppingKeepsTheRunningStepBelowFullAndLabelsTheWaitingOnes) {
    view().progress().setCreateStep(app::run::CreateStep::prepare, ProgressRowState::done, 1.0,
                                    "Ready.");
    run("analyze", 0.995);
    view().progress().markCreateStepStopped("Stopped by the user.");
    EXPECT_EQ(step("analyze").state, ProgressRowState::stopped);
    EXPECT_DOUBLE_EQ(step("analyze").progress, 0.98);
    EXPECT_EQ(step("analyze").detail, "Stopped by the user.");
    for (const char* id : {"cuts", "render", "save"}) {
        EXPECT_EQ(step(id).state, ProgressRowState::pending) << id;
        EXPECT_EQ(step(id).detail, "Not run because the edit was stopped.") << id;
    }

    // A second stop (the run's own handler) stops the first step still waiting.
    view().progress().markCreateStepStopped("Stopped by the user.");
    EXPECT_EQ(step("cuts").state, ProgressRowState::stopped);
    EXPECT_DOUBLE_EQ(step("cuts").progress, 0.0);
    EXPECT_EQ(step("prepare").state, ProgressRowState::done);
    EXPECT_TRUE(view().progress().createWasStopped());
    EXPECT_FALSE(view().progress().createHasFailed());
}

TEST_F(ProgressModel, FailingLeavesASavedEditAlone) {
    for (auto& each : state().createSteps) each.state = ProgressRowState::done;
    view().progress().markCreateStepFailed("Broken.");
    EXPECT_FALSE(view().progress().createHasFailed());
    step("save").state = ProgressRowState::stopped;
    view().progress().markCreateStepFailed("Broken.");
    EXPECT_EQ(step("save").state, ProgressRowState::failed);
}

TEST_F(ProgressModel, CurrentStepPrefersRunningThenFailedThenStoppedThenLastDone) {
    EXPECT_FALSE(view().progress().currentCreateStep());
    EXPECT_EQ(view().progress().currentEditWorkLabel(), "starting the edit");
    step("prepare").state = ProgressRowState::done;
    step("analyze").state = ProgressRowState::done;
    EXPECT_EQ(view().progress().currentCreateStep()->id, app::run::CreateStep::analyze);
    step("save").state = ProgressRowState::stopped;
    EXPECT_EQ(view().progress().currentCreateStep()->id, app::run::CreateStep::save);
    step("render").state = ProgressRowState::failed;
    EXPECT_EQ(view().progress().currentCreateStep()->id, app::run::CreateStep::render);
    step("cuts").state = ProgressRowState::running;
    EXPECT_EQ(view().progress().currentCreateStep()->id, app::run::CreateStep::cuts);
    EXPECT_EQ(view().progress().currentEditWorkLabel(), "finding edit points");
}

TEST_F(ProgressModel, TheShortLogKeepsTheLastFiveNonBlankLines) {
    state().createLog = "one\ntwo\n\n   \nthree\n four \nfive\nsix\nseven";
    view().progress().appendCreateLog("  eight  ");
    EXPECT_EQ(state().createLog, "four\nfive\nsix\nseven\neight");
    state().createLog.clear();
    view().progress().appendCreateLog("only");
    EXPECT_EQ(state().createLog, "only");
}

TEST_F(ProgressModel, CommandSummaryIsTheLastTwoNonBlankLines) {
    EXPECT_EQ(app::run::commandSummary("a\n\n   \n  b  \n\n\tc\n\n"), "b c");
    EXPECT_EQ(app::run::commandSummary("single\r\n"), "single");
    EXPECT_EQ(app::run::commandSummary(" \n\t\n"), "");
}

TEST_F(ProgressModel, ElapsedTextCountsWholeSecondsAndNeverGoesNegative) {
    EXPECT_EQ(app::run::elapsedText(std::nullopt, kNow), "0:00");
    EXPECT_EQ(app::run::elapsedText(kNow.addSecs(-3725), kNow), "62:05");
    EXPECT_EQ(app::run::elapsedText(kNow.addMSecs(-75999), kNow), "1:15");
    EXPECT_EQ(app::run::elapsedText(kNow.addSecs(-9), kNow), "0:09");
    EXPECT_EQ(app::run::elapsedText(kNow.addSecs(30), kNow), "0:00");
}

TEST_F(ProgressModel, TheStallNoticeAppearsOnlyAfterThreeMinutesWithoutActivity) {
    state().isUsingLocalEngine = true;
    run("render", 0.5);
    clock = kNow.addSecs(180);
    EXPECT_EQ(view().progress().liveEditMessage(),
              view().progress().progressDetail(app::run::CreateStep::render, 0.5));
    clock = kNow.addSecs(181);
    EXPECT_TRUE(view().progress().liveEditMessage().contains(
        "activity has appeared for 3:01. You can keep"));
    // The work label as written: "MP3" stays upper case.
    EXPECT_TRUE(
        view().progress().liveEditMessage().startsWith("Still working on building the MP3. "));
    EXPECT_EQ(view().progress().liveEditHeadline(), "Build Edit");
    EXPECT_TRUE(view().progress().liveEditTimingText().endsWith("| Last activity: 3:01 ago"));

    state().lastEditActivityAt = kNow.addSecs(100);
    EXPECT_EQ(view().progress().liveEditMessage(),
              view().progress().progressDetail(app::run::CreateStep::render, 0.5));

    // A stopped, failed or completed run never shows it.
    state().lastEditActivityAt = kNow;
    state().completedOutputFolder = "/tmp/out";
    EXPECT_TRUE(view().progress().liveEditMessage().startsWith(
        "The finished MP3 and edit notes are saved"));
    state().completedOutputFolder.reset();
    view().progress().markCreateStepStopped("Stopped by the user.");
    EXPECT_TRUE(
        view().progress().liveEditMessage().startsWith("The background edit was cancelled."));

    // Once the run is over the line is its length alone, and the length stays.
    clock = kNow.addSecs(200);
    view().runs().stopCreateEdit();
    clock = kNow.addSecs(500);
    EXPECT_EQ(view().progress().liveEditTimingText(), "Elapsed: 3:20");
}

TEST_F(ProgressModel, LivePanelPutsCompletionBeforeFailureBeforeStop) {
    using app::run::StatusColor;
    run("cuts", 0.3);
    EXPECT_EQ(view().progress().liveEditTimingText(),
              "Elapsed: 0:00 | Estimated remaining: about 1-2 minutes | Last activity: 0:00 ago");
    view().progress().markCreateStepStopped("Stopped by the user.");
    view().progress().markCreateStepFailed("Broken.");
    EXPECT_EQ(view().progress().liveEditHeadline(), "Problem found");
    EXPECT_EQ(view().progress().liveEditSymbolName(), "exclamationmark.triangle.fill");
    EXPECT_EQ(view().progress().liveEditStatusColor(), StatusColor::red);
    state().completedOutputFolder = "/tmp/out";
    EXPECT_EQ(view().progress().liveEditHeadline(), "Complete");
    EXPECT_EQ(view().progress().liveEditStatusColor(), StatusColor::green);
}

TEST(CapturedOutput, CarriesASplitCharacterOverAndDropsOnlyInvalidChunks) {
    std::string carry;
    EXPECT_EQ(app::run::decodeOutputChunk(carry, "caf\xC3"), "caf");
    EXPECT_EQ(app::run::decodeOutputChunk(carry, "\xA9 ok"), QString::fromUtf8("\xC3\xA9 ok"));
    // A four-byte character in three pieces.
    EXPECT_EQ(app::run::decodeOutputChunk(carry, "a\xF0\x9F"), "a");
    EXPECT_EQ(app::run::decodeOutputChunk(carry, "\x8E"), "");
    EXPECT_EQ(app::run::decodeOutputChunk(carry, "\xB5!"), QString::fromUtf8("\xF0\x9F\x8E\xB5!"));
    EXPECT_EQ(app::run::decodeOutputChunk(carry, "bad \xFF byte"), "");
    EXPECT_EQ(app::run::decodeOutputChunk(carry, "next"), "next");
    // A started character that the next chunk does not continue is dropped alone.
    EXPECT_EQ(app::run::decodeOutputChunk(carry, "x\xE2\x82"), "x");
    EXPECT_EQ(app::run::decodeOutputChunk(carry, "plain"), "plain");
}

TEST(CapturedOutput, KeepsTheNewestFiftyThousandCharacters) {
    app::run::CapturedOutput output;
    output.append(std::string(30000, 'a'));
    output.append(std::string(30000, 'b') + "\xC3");
    output.append("\xA9");
    const QString text = output.text();
    ASSERT_EQ(text.size(), 50000);
    EXPECT_EQ(text.count(QLatin1Char('a')), 19999);
    EXPECT_TRUE(text.endsWith(QString::fromUtf8("b\xC3\xA9")));
}

}  // namespace

// The keys themselves are the names every progress test above looks its rows up by.
TEST(CreateStepKeys, EveryStepRoundTripsThroughItsKeyAndUnknownKeysAreRefused) {
    for (const app::run::CreateStep step : app::run::allCreateSteps) {
        EXPECT_EQ(app::run::createStepFromRawValue(app::run::rawValue(step)), step);
    }
    for (const char* unknown : {"", "Analyze", "saving", "prepare "}) {
        EXPECT_FALSE(app::run::createStepFromRawValue(QString::fromLatin1(unknown))) << unknown;
    }
}
