#include "app/songs/default_notes.h"

#include "app/songs/starter_guidance.h"

namespace app::songs {

// These texts are compared character for character with notes pasted back from
// older prompts, so they must not change.

QString noNoteGuidance(int index, int total) {
    switch (total) {
        case 1:
            return QStringLiteral(
                "No note provided. Use the Start and End time fields as tight targets after "
                "first-note normalization, then follow the final ending effect.");
        case 2:
            if (index == 0) {
                return QStringLiteral(
                    "No note provided. Use song 1 Start and End times as tight targets, then join "
                    "song 2 on a clean beat/downbeat.");
            }
            return QStringLiteral(
                "No note provided. Start song 2 at its beginning or first true opening downbeat, "
                "then use the End time as the target.");
        case 3:
            if (index == 0) {
                return QStringLiteral(
                    "No note provided. Use song 1 Start and End times as tight targets, then join "
                    "song 2 on a clean beat/downbeat.");
            }
            if (index == 1) {
                return QStringLiteral(
                    "No note provided. Start song 2 at its beginning or first true opening "
                    "downbeat, then use the End time as the target into song 3.");
            }
            return QStringLiteral(
                "No note provided. Start song 3 at its beginning or first true opening downbeat, "
                "then use the End time as the target.");
        default:
            return QStringLiteral(
                "No note provided. Use the typed Start and End times as tight targets.");
    }
}

QString wizardDefaultGuidance(int index, int total) {
    switch (total) {
        case 1:
            return QStringLiteral(
                "Use the Start time and End time fields as tight targets after first-note "
                "normalization. Complete only the current beat/bar or current word needed for a "
                "clean cut near the typed end time, then follow the final ending effect.");
        case 2:
            if (index == 0) {
                return QStringLiteral(
                    "Start at the normalized beginning. If an End time is provided, exit near that "
                    "exact time on the nearest clean beat/bar/downbeat; do not keep playing into "
                    "the next lyric line or next section to finish a complete chorus/hook.");
            }
            return QStringLiteral(
                "Start song 2 at its beginning or first true opening downbeat after trimming only "
                "silence, padding, or room tone. If an End time is provided, end near that exact "
                "time on the nearest clean beat/bar/downbeat; do not keep playing into the next "
                "lyric line or next section to finish a complete chorus/hook.");
        case 3:
            if (index == 0) {
                return QStringLiteral(
                    "Start at the normalized beginning. If an End time is provided, exit near that "
                    "exact time on the nearest clean beat/bar/downbeat into song 2; do not keep "
                    "playing into the next lyric line or next section.");
            }
            if (index == 1) {
                return QStringLiteral(
                    "Start song 2 at its beginning or first true opening downbeat after trimming "
                    "only silence, padding, or room tone. If an End time is provided, exit near "
                    "that exact time on the nearest clean beat/bar/downbeat into song 3; do not "
                    "keep playing into the next lyric line or next section.");
            }
            return QStringLiteral(
                "Start song 3 at its beginning or first true opening downbeat after trimming only "
                "silence, padding, or room tone. If an End time is provided, end near that exact "
                "time on the nearest clean beat/bar/downbeat; do not keep playing into the next "
                "lyric line or next section.");
        default:
            return QStringLiteral(
                "Use typed times as tight targets and snap only to the nearest clean "
                "beat/bar/downbeat.");
    }
}

bool isDefaultNote(const QString& note) {
    const QString trimmed = note.trimmed();
    if (trimmed.isEmpty()) return false;
    for (int total = 1; total <= 3; ++total) {
        for (int index = 0; index < total; ++index) {
            for (const QString& defaultText :
                 {starterGuidance(index, total), noNoteGuidance(index, total),
                  wizardDefaultGuidance(index, total)}) {
                if (trimmed == defaultText.trimmed()) return true;
            }
        }
    }
    return false;
}

}  // namespace app::songs
