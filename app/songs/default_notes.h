#pragma once
// The default note texts of a song position besides its starter: the text the agent
// prompt uses for a song without a note, and the wizard's earlier default. A note
// still holding any of them was never typed.

#include <QString>

namespace app::songs {

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

}  // namespace app::songs
