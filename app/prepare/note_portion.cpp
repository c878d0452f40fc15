#include "app/prepare/note_portion.h"

#include <array>

#include "app/songs/default_notes.h"
#include "app/songs/starter_guidance.h"

namespace app::prepare {

QString customLocalEngineNotePortion(const QString& note, int index, int total) {
    // A default of another position or song count would otherwise pass as typed words,
    // and the times in it would be read as the person's own.
    if (songs::isDefaultNote(note)) return {};
    QString custom = note.trimmed();
    const std::array<QString, 3> defaults = {songs::starterGuidance(index, total),
                                             songs::noNoteGuidance(index, total),
                                             songs::wizardDefaultGuidance(index, total)};
    for (const QString& rawDefault : defaults) {
        const QString defaultText = rawDefault.trimmed();
        if (defaultText.isEmpty()) continue;
        if (custom == defaultText) {
            custom.clear();
        } else if (custom.startsWith(defaultText)) {
            custom = custom.mid(defaultText.size()).trimmed();
        } else if (const qsizetype at = custom.indexOf(defaultText); at >= 0) {
            custom.remove(at, defaultText.size());
            custom = custom.trimmed();
        }
    }
    return custom;
}

}  // namespace app::prepare
