#pragma once
// The live status panel of the progress screen: headline, message, symbol, colour
// and timing line, all derived from the run state.

#include <QDateTime>
#include <QString>

#include "app/run/progress_row.h"
#include "app/wizard/wizard_state.h"

namespace app::run {

// Seconds without a sign of life before the panel shows the stall notice.
inline constexpr qint64 stallNoticeSeconds = 180;

// The small note the panel shows under its timing line while a run goes on; the source
// text of the "Progress" context, which the panel translates.
inline const QString liveEditMonitoringNote = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "Progress",
    "The app is still monitoring local engine output, generated files, and the finished MP3 "
    "while this runs."));

QString liveEditHeadline(const WizardState& state);
QString liveEditMessage(const WizardState& state, const QDateTime& now);
QString liveEditSymbolName(const WizardState& state);
StatusColor liveEditStatusColor(const WizardState& state);
// While a run goes on: elapsed, estimate and last activity; afterwards the elapsed time alone.
QString liveEditTimingText(const WizardState& state, const QDateTime& now);

}  // namespace app::run
