// The Step 4 progress model: the five step rows, their time-driven movement, the
// short log, and Back.

#include "app/run/progress_model.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>

#include "app/run/run_output.h"

namespace app::run {
namespace {

constexpr int kCreateLogLines = 5;

// How a step that moves by time advances while the engine or the agent works.
struct VisibleProgressRule {
    CreateStep id;
    double cap;
    double increment;
    std::optional<CreateStep> next;  // none: the step stays at its cap
};

constexpr std::array<VisibleProgressRule, 3> kVisibleProgressRules = {{
    {CreateStep::analyze, 0.95, 0.035, CreateStep::cuts},
    {CreateStep::cuts, 0.94, 0.032, CreateStep::render},
    {CreateStep::render, 0.92, 0.014, std::nullopt},
}};

const VisibleProgressRule* ruleFor(CreateStep id) {
    for (const VisibleProgressRule& rule : kVisibleProgressRules) {
        if (id == rule.id) return &rule;
    }
    return nullptr;
}

ProgressRow* findStep(std::vector<ProgressRow>& steps, CreateStep id) {
    const auto found = std::find_if(steps.begin(), steps.end(),
                                    [&id](const ProgressRow& step) { return step.id == id; });
    return found == steps.end() ? nullptr : &*found;
}

ProgressRow* firstStepIn(std::vector<ProgressRow>& steps, ProgressRowState state) {
    const auto found = std::find_if(steps.begin(), steps.end(), [state](const ProgressRow& step) {
        return step.state == state;
    });
    return found == steps.end() ? nullptr : &*found;
}

bool anyStepIn(const std::vector<ProgressRow>& steps, ProgressRowState state) {
    return std::any_of(steps.begin(), steps.end(),
                       [state](const ProgressRow& step) { return step.state == state; });
}

}  // namespace

void ProgressModel::setCreateStep(CreateStep id, ProgressRowState state, double progress,
                                  const QString& detail) {
    ProgressRow* step = findStep(context_.state().createSteps, id);
    if (step == nullptr) return;
    step->state = state;
    step->progress = progress;
    step->detail = detail;
    context_.notifyChanged();
}

void ProgressModel::markCreateStepFailed(const QString& detail) {
    std::vector<ProgressRow>& steps = context_.state().createSteps;
    ProgressRow* step = firstStepIn(steps, ProgressRowState::running);
    if (step == nullptr) step = firstStepIn(steps, ProgressRowState::pending);
    if (step != nullptr) {
        step->state = ProgressRowState::failed;
        step->progress = 1.0;
        step->detail = detail;
    }
    ProgressRow* save = findStep(steps, CreateStep::save);
    if (save != nullptr && save->state != ProgressRowState::done) {
        save->state = ProgressRowState::failed;
        save->progress = 1.0;
        save->detail = detail;
    }
    context_.notifyChanged();
}

void ProgressModel::markCreateStepStopped(const QString& detail) {
    std::vector<ProgressRow>& steps = context_.state().createSteps;
    if (ProgressRow* running = firstStepIn(steps, ProgressRowState::running)) {
        running->state = ProgressRowState::stopped;
        running->progress = std::min(running->progress, 0.98);
        running->detail = detail;
    } else if (ProgressRow* pending = firstStepIn(steps, ProgressRowState::pending)) {
        pending->state = ProgressRowState::stopped;
        pending->progress = 0.0;
        pending->detail = detail;
    }
    for (ProgressRow& step : steps) {
        if (step.state == ProgressRowState::pending) {
            step.detail =
                QCoreApplication::translate("Progress", "Not run because the edit was stopped.");
        }
    }
    context_.notifyChanged();
}

void ProgressModel::advanceVisibleEditProgress() {
    WizardState& state = context_.state();
    if (!state.isCreatingEdit) return;
    std::vector<ProgressRow>& steps = state.createSteps;
    const auto moving = std::find_if(steps.begin(), steps.end(), [](const ProgressRow& step) {
        return step.state == ProgressRowState::running && ruleFor(step.id) != nullptr;
    });
    if (moving == steps.end()) return;

    ProgressRow& step = *moving;
    const VisibleProgressRule& rule = *ruleFor(step.id);
    step.progress = std::min(step.progress + rule.increment, rule.cap);
    step.detail = progressDetail(step.id, step.progress);
    state.createLog = progressLog(step.id);
    ++state.createStatusTick;

    // The local engine announces its steps (followEngineMilestone); time alone moves the
    // agent's rows only, which nothing else reports.
    const bool timeMovesToNext = rule.next.has_value() && !state.isUsingLocalEngine;
    if (step.progress >= rule.cap) {
        if (timeMovesToNext) {
            const CreateStep next = *rule.next;
            step.state = ProgressRowState::done;
            step.progress = 1.0;
            step.detail = completedStepDetail(step.id, false);
            if (ProgressRow* following = findStep(steps, next)) {
                following->state = ProgressRowState::running;
                following->progress = 0.1;
                following->detail = progressDetail(next, 0.1);
            }
            state.createLog = progressLog(next);
        } else if (!rule.next) {
            state.createLog = QCoreApplication::translate(
                "Progress",
                "Still building and checking the edit. If this phase slows down, that is normal "
                "while the MP3 is encoded, finalized, and verified.");
        }
    }
    context_.notifyChanged();
}

void ProgressModel::followEngineMilestone(EngineMilestone milestone) {
    WizardState& state = context_.state();
    if (!state.isCreatingEdit || !state.isUsingLocalEngine) return;
    const bool cutsDone = milestone == EngineMilestone::cutsDone;
    // Every step before the next one is finished.
    const CreateStep next = cutsDone ? CreateStep::render : CreateStep::save;
    for (const CreateStep id : {CreateStep::analyze, CreateStep::cuts, CreateStep::render}) {
        if (id == next) break;
        ProgressRow* step = findStep(state.createSteps, id);
        if (step == nullptr || step->state == ProgressRowState::done) continue;
        step->state = ProgressRowState::done;
        step->progress = 1.0;
        step->detail = completedStepDetail(id, true);
    }
    ProgressRow* following = findStep(state.createSteps, next);
    if (following != nullptr && following->state == ProgressRowState::pending) {
        following->state = ProgressRowState::running;
        following->progress = 0.1;
        following->detail = progressDetail(next, 0.1);
        state.createLog = progressLog(next);
    }
    context_.notifyChanged();
}

QString ProgressModel::progressDetail(CreateStep id, double progress) const {
    const WizardState& state = context_.state();
    const QString engine = state.isUsingLocalEngine
                               ? QCoreApplication::translate("Progress", "the local engine")
                               : QCoreApplication::translate("Progress", "AI fallback");
    if (id == CreateStep::prepare) {
        return QCoreApplication::translate(
            "Progress",
            "Right now the app is checking the selected songs, output folder, and local edit "
            "work files.");
    }
    if (id == CreateStep::analyze) {
        if (progress < 0.35) {
            return QCoreApplication::translate("Progress",
                                               "Right now %1 is scanning the audio files, finding "
                                               "the first real notes, and measuring "
                                               "duration/volume.")
                .arg(engine);
        }
        if (progress < 0.65) {
            return QCoreApplication::translate("Progress",
                                               "Right now %1 is checking beats, downbeats, and "
                                               "clean cut points near the typed times.")
                .arg(engine);
        }
        return QCoreApplication::translate("Progress",
                                           "Right now %1 is confirming the time targets and making "
                                           "sure the cut lands before the next "
                                           "lyric line when needed.")
            .arg(engine);
    }
    if (id == CreateStep::cuts) {
        return QCoreApplication::translate("Progress",
                                           "Right now %1 is scoring cut points close to the typed "
                                           "time and snapping to the nearest clean "
                                           "beat/bar instead of drifting into the next lyric.")
            .arg(engine);
    }
    if (id == CreateStep::render) {
        if (state.isUsingLocalEngine) {
            return QCoreApplication::translate(
                "Progress",
                "Right now the app is encoding the continuous 320 kbps MP3, matching loudness, "
                "trimming silence, and checking the join. If this bar slows near the end, that is "
                "normal while the MP3 is finalized.");
        }
        return QCoreApplication::translate(
            "Progress",
            "Right now AI fallback is building the continuous MP3 and checking the join. This "
            "phase can take several minutes on full-song analysis, so a slow bar does not mean "
            "the app is frozen.");
    }
    if (id == CreateStep::save) {
        return QCoreApplication::translate(
                   "Progress",
                   "Right now %1 is verifying the 320 kbps MP3, writing edit notes, and saving "
                   "everything in the "
                   "selected output folder. Final verification can take a little time.")
            .arg(engine);
    }
    return QCoreApplication::translate("Progress",
                                       "Right now the app is monitoring the local editor.");
}

QString completedStepDetail(CreateStep id, bool localEngine) {
    switch (id) {
        case CreateStep::prepare:
            return QCoreApplication::translate("Progress", "Songs and output folder are ready.");
        case CreateStep::analyze:
            return localEngine
                       ? QCoreApplication::translate("Progress",
                                                     "Local audio and structure scan complete.")
                       : QCoreApplication::translate("Progress", "Audio analysis complete.");
        case CreateStep::cuts:
            return localEngine
                       ? QCoreApplication::translate(
                             "Progress", "Timing and phrase targets snapped to clean cut points.")
                       : QCoreApplication::translate("Progress", "Edit points selected.");
        case CreateStep::render:
            return localEngine
                       ? QCoreApplication::translate("Progress", "Continuous 320 kbps MP3 built.")
                       : QCoreApplication::translate("Progress", "Continuous edit built.");
        case CreateStep::save:
            break;
    }
    return localEngine ? QCoreApplication::translate(
                             "Progress",
                             "MP3, edit notes, and QC files saved in the selected output folder.")
                       : QCoreApplication::translate(
                             "Progress", "320 kbps MP3 file saved in the selected output folder.");
}

QString ProgressModel::progressLog(CreateStep id) const {
    const WizardState& state = context_.state();
    const bool local = state.isUsingLocalEngine;
    if (id == CreateStep::analyze) {
        return local ? QCoreApplication::translate(
                           "Progress",
                           "Standalone local engine: scanning first notes, beats, phrase cues, and "
                           "clean cut points.")
                     : QCoreApplication::translate(
                           "Progress",
                           "AI fallback: scanning first notes, beats, and clean cut points near "
                           "the typed times.");
    }
    if (id == CreateStep::cuts) {
        return local ? QCoreApplication::translate(
                           "Progress",
                           "Standalone local engine: choosing clean beat/bar and phrase-boundary "
                           "cut points.")
                     : QCoreApplication::translate(
                           "Progress",
                           "AI fallback: choosing the nearest clean beat/bar around the typed "
                           "target.");
    }
    if (id == CreateStep::render) {
        return local ? QCoreApplication::translate(
                           "Progress",
                           "Standalone local engine: encoding the MP3. A slower final stretch is "
                           "normal while the file is finalized and checked.")
                     : QCoreApplication::translate(
                           "Progress",
                           "Rendering the continuous MP3. If this takes a while, AI fallback is "
                           "still exporting and verifying audio.");
    }
    if (id == CreateStep::save) {
        return QCoreApplication::translate(
            "Progress",
            "Verifying audio, writing notes, and closing the job. This can take a little time "
            "near the end.");
    }
    return QCoreApplication::translate("Progress", "Monitoring local engine and generated files.");
}

void ProgressModel::appendCreateLog(const QString& line) {
    WizardState& state = context_.state();
    const QStringList lines = nonBlankLines(state.createLog + QLatin1Char('\n') + line);
    state.createLog =
        lines.mid(std::max<qsizetype>(0, lines.size() - kCreateLogLines)).join(QLatin1Char('\n'));
    context_.notifyChanged();
}

std::optional<ProgressRow> ProgressModel::currentCreateStep() const {
    const WizardState& state = context_.state();
    const std::vector<ProgressRow>& steps = state.createSteps;
    for (ProgressRowState wanted :
         {ProgressRowState::running, ProgressRowState::failed, ProgressRowState::stopped}) {
        const auto found = std::find_if(steps.begin(), steps.end(), [wanted](const auto& step) {
            return step.state == wanted;
        });
        if (found != steps.end()) return *found;
    }
    const auto lastDone = std::find_if(steps.rbegin(), steps.rend(), [](const ProgressRow& step) {
        return step.state == ProgressRowState::done;
    });
    if (lastDone != steps.rend()) return *lastDone;
    return std::nullopt;
}

QString ProgressModel::currentEditWorkLabel() const {
    const std::optional<ProgressRow> step = currentCreateStep();
    if (!step) return QCoreApplication::translate("Progress", "starting the edit");
    const CreateStep id = step->id;
    if (id == CreateStep::prepare)
        return QCoreApplication::translate("Progress", "preparing the song files");
    if (id == CreateStep::analyze)
        return QCoreApplication::translate("Progress", "analyzing the songs");
    if (id == CreateStep::cuts)
        return QCoreApplication::translate("Progress", "finding edit points");
    if (id == CreateStep::render)
        return QCoreApplication::translate("Progress", "building the MP3");
    if (id == CreateStep::save)
        return QCoreApplication::translate("Progress", "saving and verifying files");
    return QCoreApplication::translate("Progress", "starting the edit");
}

QString elapsedText(const std::optional<QDateTime>& since, const QDateTime& now) {
    if (!since) return QStringLiteral("0:00");
    const qint64 seconds = std::max<qint64>(0, since->msecsTo(now) / 1000);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool ProgressModel::createHasFailed() const {
    const WizardState& state = context_.state();
    return anyStepIn(state.createSteps, ProgressRowState::failed);
}

bool ProgressModel::createWasStopped() const {
    const WizardState& state = context_.state();
    return anyStepIn(state.createSteps, ProgressRowState::stopped);
}

double ProgressModel::overallProgress() const {
    const WizardState& state = context_.state();
    const std::vector<ProgressRow>& steps = state.createSteps;
    if (steps.empty()) return 0.0;
    double total = 0.0;
    for (const ProgressRow& step : steps) total += step.progress;
    return total / static_cast<double>(steps.size());
}

void ProgressModel::endEditRun() {
    context_.state().isCreatingEdit = false;
    context_.state().editEndedAt = context_.now();
}

void ProgressModel::backToInstructions() {
    WizardState& state = context_.state();
    if (state.isCreatingEdit) {
        state.status = QCoreApplication::translate(
            "Progress", "Stop the edit before going back to change the setup.");
    } else {
        state.showCreateProgressScreen = false;
        state.status =
            state.completedOutputFolder
                ? QCoreApplication::translate(
                      "Progress",
                      "Back on Step 3. The finished edit is still available from View Edit.")
                : QCoreApplication::translate(
                      "Progress",
                      "Back on Step 3. Review the notes, edit approach, output folder, or final "
                      "ending effect.");
    }
    context_.notifyChanged();
}

void ProgressModel::resetProgress() {
    WizardState& state = context_.state();
    EditRunController& controller = *context_.sharedEditRunController();
    state.completedOutputFolder.reset();
    state.showCreateProgressScreen = false;
    state.createSteps.clear();
    state.createLog.clear();
    state.editStartedAt.reset();
    state.editEndedAt.reset();
    state.lastEditActivityAt.reset();
    // A stopped run may still be ending: its late updates must not reach the new selection.
    if (!state.isCreatingEdit) controller.reset();
}

}  // namespace app::run
