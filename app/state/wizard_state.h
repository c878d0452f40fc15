#pragma once
// All state of the wizard window: plain data, owned by the Wizard and read and
// written on the interface thread only.

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "app/state/ai_assist_mode.h"
#include "app/state/join_choice.h"
#include "app/state/progress_steps.h"
#include "app/state/snap_cuts_to.h"
#include "app/state/tool_check.h"
#include "app/state/track_file.h"
#include "common/final_ending_effect.h"

namespace app {

inline const QString appVersion = QStringLiteral("4.8");

// Seconds.
inline constexpr double editProgressPollInterval = 1.0;
inline constexpr double completedDeliverablesGracePeriod = 5.0;
inline constexpr double completedDeliverablesStablePeriod = 5.0;

struct WizardState {
    // Songs.
    std::optional<QString> selectedFolder;
    std::vector<songs::TrackFile> tracks;
    bool usedDirectSongSelection = false;
    bool manualTrackOrder = false;

    // Per-song settings, keyed by the song file's path.
    QHash<QString, QString> songStartTimes;
    QHash<QString, QString> songEndTimes;
    QHash<QString, QString> songGuidance;
    // The join out of a song into the next, where the person chose it by hand: it wins over
    // the note. Only songs followed by another have one.
    QHash<QString, songs::JoinChoice> songJoinChoices;
    // How the edit's last song ends while the final ending effect is Off, where the person chose
    // it by hand (one of songs::kEndingChoices): it belongs to the edit's end, whichever song
    // plays last, and wins over the last song's note.
    std::optional<songs::JoinChoice> endingChoice;

    // Edit options.
    common::FinalEndingEffect finalEndingEffect = common::FinalEndingEffect::fade;
    songs::SnapCutsTo snapCutsTo = songs::SnapCutsTo::beat;
    songs::AIAssistMode aiAssistMode = songs::AIAssistMode::agentFallback;
    QString aiConnectionMessage;
    std::optional<QString> outputFolder;

    // Tools.
    std::vector<tools::ToolCheck> toolChecks;
    QStringList missingToolNames;
    bool isCheckingTools = false;
    // The status line when the running check started: the only one its result may replace.
    std::optional<QString> statusAtToolCheckStart;

    // The one-line status message.
    QString status = QCoreApplication::translate(
        "Wizard", "Checking the complete music-edit setup before choosing songs.");

    // Preparation and runs.
    std::optional<QString> handoffFolder;
    bool isCreatingEdit = false;
    bool showCreateProgressScreen = false;
    std::vector<run::ProgressRow> createSteps;
    QString createLog;
    int createStatusTick = 0;
    std::optional<QString> completedOutputFolder;
    std::optional<QDateTime> editStartedAt;
    std::optional<QDateTime> editEndedAt;  // set once the run is over, whichever way
    std::optional<QDateTime> lastEditActivityAt;
    bool isUsingLocalEngine = false;
};

}  // namespace app
