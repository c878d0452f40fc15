#include "app/ui/screen_texts.h"

#include <QCoreApplication>

#include "app/platform_words.h"
#include "app/ui/wizard_style.h"
#include "app/wizard/wizard.h"

namespace app::ui {

QString audioFilesFoundText(int count) {
    return (count == 1 ? QCoreApplication::translate("Screens", "%1 audio file found")
                       : QCoreApplication::translate("Screens", "%1 audio files found"))
        .arg(count);
}

QString songReadinessBadgeText(int count) {
    if (count == 0) return QCoreApplication::translate("Screens", "waiting");
    if (count > 3) return QCoreApplication::translate("Screens", "needs 1 to 3 songs");
    return QCoreApplication::translate("Screens", "%1-song edit ready").arg(count);
}

namespace {

struct GuidancePrompt {
    int total;
    int index;
    const char* question;
    const char* placeholder;
};

constexpr GuidancePrompt kGuidancePrompts[] = {
    {1, 0,
     QT_TRANSLATE_NOOP("Screens",
                       "Where should this song shorten or fade after the phrase resolves?"),
     QT_TRANSLATE_NOOP(
         "Screens",
         "Example: 2:00 Shorten - finish the verse or chorus near 2:00, then slowly fade after the "
         "phrase resolves.")},
    {2, 0,
     QT_TRANSLATE_NOOP("Screens",
                       "What complete chorus, hook, or phrase should finish before song 2 enters?"),
     QT_TRANSLATE_NOOP(
         "Screens",
         "Example: Start at the first strong musical phrase, play through the first complete "
         "chorus, let it resolve, then exit on a clean downbeat.")},
    {2, 1,
     QT_TRANSLATE_NOOP(
         "Screens",
         "Should song 2 start at the beginning/opening downbeat, or did you specifically want a "
         "vocal/internal section?"),
     QT_TRANSLATE_NOOP(
         "Screens",
         "Example: Start from the beginning/opening downbeat, play through the first complete "
         "chorus, then end on a clean phrase ending. Only use vocals if I type that.")},
    {3, 0,
     QT_TRANSLATE_NOOP("Screens",
                       "What complete chorus, hook, or phrase should finish before song 2 enters?"),
     QT_TRANSLATE_NOOP(
         "Screens",
         "Example: Start at the first strong musical phrase, play through the first complete "
         "chorus, then exit on a clean downbeat into song 2.")},
    {3, 1,
     QT_TRANSLATE_NOOP(
         "Screens",
         "Should song 2 start at the beginning/opening downbeat, or did you specifically want a "
         "vocal/internal section?"),
     QT_TRANSLATE_NOOP(
         "Screens",
         "Example: Start from the beginning/opening downbeat, play through the first complete "
         "chorus, then exit on a clean downbeat into song 3. Only use vocals if I type that.")},
    {3, 2,
     QT_TRANSLATE_NOOP(
         "Screens",
         "Should song 3 start at the beginning/opening downbeat, or did you specifically want a "
         "vocal/internal section?"),
     QT_TRANSLATE_NOOP(
         "Screens",
         "Example: Start from the beginning/opening downbeat, play through the first complete "
         "chorus, then end on a clean phrase ending. Only use vocals if I type that.")},
};

const GuidancePrompt* findPrompt(int index, int total) {
    for (const GuidancePrompt& prompt : kGuidancePrompts) {
        if (prompt.total == total && prompt.index == index) return &prompt;
    }
    return nullptr;
}

}  // namespace

QString guidanceQuestion(int index, int total) {
    const GuidancePrompt* prompt = findPrompt(index, total);
    return prompt ? QCoreApplication::translate("Screens", prompt->question)
                  : QCoreApplication::translate("Screens",
                                                "Where should this song be used in the edit?");
}

QString guidancePlaceholder(int index, int total) {
    const GuidancePrompt* prompt = findPrompt(index, total);
    return prompt ? QCoreApplication::translate("Screens", prompt->placeholder)
                  : QCoreApplication::translate(
                        "Screens",
                        "Example: specific time, chorus, hook, drop, outro, or general idea.");
}

PhaseStateMark phaseStateMark(run::ProgressRowState state) {
    switch (state) {
        case run::ProgressRowState::pending:
            break;
        case run::ProgressRowState::running:
            return {QStringLiteral("arrow.triangle.2.circlepath.circle.fill"), palette::accent(),
                    QCoreApplication::translate("Screens", "Working"), QStringLiteral("accent")};
        case run::ProgressRowState::done:
            return {QStringLiteral("checkmark.circle.fill"), palette::success(),
                    QCoreApplication::translate("Screens", "Complete"), QStringLiteral("success")};
        case run::ProgressRowState::failed:
            return {QStringLiteral("xmark.circle.fill"), palette::danger(),
                    QCoreApplication::translate("Screens", "Needs Attention"),
                    QStringLiteral("danger")};
        case run::ProgressRowState::stopped:
            return {QStringLiteral("stop.circle.fill"), palette::warning(),
                    QCoreApplication::translate("Screens", "Stopped"), QStringLiteral("warning")};
    }
    return {QStringLiteral("circle"), palette::text(0.42),
            QCoreApplication::translate("Screens", "Waiting"), QStringLiteral("muted")};
}

LabelledSymbol createEditButtonLabel(const Wizard& view) {
    if (!view.state().outputFolder) {
        return {QCoreApplication::translate("Screens", "Select Output Folder First"),
                QStringLiteral("folder.badge.questionmark")};
    }
    if (view.state().isCreatingEdit) {
        return {QCoreApplication::translate("Screens", "Creating Edit..."),
                QStringLiteral("hourglass")};
    }
    return {QCoreApplication::translate("Screens", "Create Edit"),
            QStringLiteral("wand.and.stars")};
}

bool runEndedWithoutEdit(const Wizard& view) {
    const WizardState& state = view.state();
    return !state.isCreatingEdit && !state.completedOutputFolder &&
           (view.progress().createHasFailed() || view.progress().createWasStopped());
}

LabelledSymbol createEditTitle(const Wizard& view) {
    if (view.state().completedOutputFolder) {
        return {QCoreApplication::translate("Screens", "Complete"),
                QStringLiteral("checkmark.seal.fill")};
    }
    if (runEndedWithoutEdit(view))
        return {view.progress().liveEditHeadline(), view.progress().liveEditSymbolName()};
    return {QCoreApplication::translate("Screens", "Creating your music edit"),
            QStringLiteral("waveform")};
}

QString createEditDescription(const Wizard& view) {
    if (view.state().completedOutputFolder) {
        return QCoreApplication::translate("Screens",
                                           "The finished edit is ready. Click the green View Edit "
                                           "button to open the song %1.")
            .arg(platform_words::inFileManager());
    }
    if (runEndedWithoutEdit(view)) return {};
    if (view.state().isUsingLocalEngine) {
        return QCoreApplication::translate(
            "Screens",
            "The app is using the standalone local engine first. If the engine cannot make a "
            "confident edit, it can hand off to AI fallback.");
    }
    return QCoreApplication::translate("Screens",
                                       "The app is editing in the background. Full-song analysis "
                                       "and final verification can take several minutes, "
                                       "especially on first runs or %1.")
        .arg(platform_words::slowerComputers());
}

QColor statusColor(run::StatusColor color) {
    switch (color) {
        case run::StatusColor::green:
            return palette::success();
        case run::StatusColor::red:
            return palette::danger();
        case run::StatusColor::orange:
            return palette::warning();
        case run::StatusColor::amber:
            break;
    }
    return palette::accent();
}

}  // namespace app::ui
