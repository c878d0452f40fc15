#pragma once
// The default note of a song position. Untouched notes are recognised by exact
// comparison with these texts, so they must not change.

#include <QString>

namespace app::songs {

// index is 0-based; empty text for a total outside 1 to 3.
QString starterGuidance(int index, int total);

}  // namespace app::songs
