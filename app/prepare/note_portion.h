#pragma once
// The reduction of a typed note to what the user wrote. A note still holding a
// default text (app/songs/default_notes.h) counts as no note.

#include <QString>

namespace app::prepare {

// The note trimmed, with the starter text, then the no-note text, then the
// earlier default text of the position removed (whole, as a prefix, or their
// first exact occurrence), the rest trimmed after each removal.
QString customLocalEngineNotePortion(const QString& note, int index, int total);

}  // namespace app::prepare
