#pragma once
// Fixed texts of the live status panel on the progress screen.

#include <QString>

namespace app::run {

// Seconds without a sign of life before the panel shows the stall notice.
inline constexpr qint64 stallNoticeSeconds = 180;

// The small note the panel always shows under its timing line.
inline const QString liveEditMonitoringNote = QStringLiteral(
    "The app is still monitoring local engine output, generated files, and the finished MP3 "
    "while this runs.");

}  // namespace app::run
