#pragma once
// Default note texts of a song position and the reduction of a typed note to
// what the user wrote. A note still holding a default text counts as no note.

#include <QString>

namespace app::prepare {

// The guidance the agent prompt uses for a song without a note; each begins
// "No note provided.". index is 0-based.
QString noNoteGuidance(int index, int total);

// The earlier default note of a position, which the prompt also lists as the
// wizard's defaults.
QString wizardDefaultGuidance(int index, int total);

// True when the note, trimmed of white space and line breaks, is the starter, no-note
// or earlier default text of any position for 1 to 3 songs. Such a note was never typed:
// after the songs change it may sit on another position or song count than it was made for.
bool isDefaultNote(const QString& note);

// The note trimmed, with the starter text, then the no-note text, then the
// earlier default text of the position removed (whole, as a prefix, or their
// first exact occurrence), the rest trimmed after each removal.
QString customFastTimeNotePortion(const QString& note, int index, int total);

}  // namespace app::prepare
