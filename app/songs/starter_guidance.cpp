#include "app/songs/starter_guidance.h"

namespace app::songs {

QString starterGuidance(int index, int total) {
    switch (total) {
        case 1:
            return QStringLiteral(
                "Use the Start time and End time fields as tight targets after first-note "
                "normalization. Cut on the nearest clean beat, bar, downbeat, or zero-crossing near "
                "the typed time, then follow the final ending effect.");
        case 2:
            if (index == 0) {
                return QStringLiteral(
                    "Start at the beginning if it is musical; if the file has silence, padding, or "
                    "room tone, start at the first real musical note or true opening downbeat. Use "
                    "the End time as the target and exit on the nearest clean beat/bar/downbeat into "
                    "song 2.");
            }
            return QStringLiteral(
                "Start song 2 at its beginning or first true opening downbeat after trimming only "
                "silence, padding, or room tone. Use the End time as the target and end on the "
                "nearest clean beat/bar/downbeat; apply any final ending effect only at the final "
                "ending.");
        case 3:
            if (index == 0) {
                return QStringLiteral(
                    "Start at the beginning if it is musical; if there is silence, padding, or room "
                    "tone, start at the first real musical note or true opening downbeat. Use the End "
                    "time as the target and exit on the nearest clean beat/bar/downbeat into song 2.");
            }
            if (index == 1) {
                return QStringLiteral(
                    "Start song 2 at its beginning or first true opening downbeat after trimming only "
                    "silence, padding, or room tone. Use the End time as the target and exit on the "
                    "nearest clean beat/bar/downbeat into song 3.");
            }
            return QStringLiteral(
                "Start song 3 at its beginning or first true opening downbeat after trimming only "
                "silence, padding, or room tone. Use the End time as the target and end on the "
                "nearest clean beat/bar/downbeat; apply any final ending effect only at the final "
                "ending.");
        default:
            return {};
    }
}

}  // namespace app::songs
