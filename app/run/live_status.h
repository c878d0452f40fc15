#pragma once
// The live status panel of the progress screen: the words ProgressModel's liveEdit
// members share with the screens.

#include <QString>
#include <QtGlobal>

namespace app::run {

// Seconds without a sign of life before the panel shows the stall notice.
inline constexpr qint64 stallNoticeSeconds = 180;

// The small note the panel shows under its timing line while a run goes on; the source
// text of the "Progress" context, which the panel translates.
inline const QString liveEditMonitoringNote = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "Progress",
    "The app is still monitoring local engine output, generated files, and the finished MP3 "
    "while this runs."));

}  // namespace app::run
