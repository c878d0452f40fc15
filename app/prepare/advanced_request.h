#pragma once
// Whether a note asks the local engine for more than trimming and cutting.

#include <QString>

namespace app::prepare {

// True when the (already reduced) note asks for an effect, vocal isolation,
// beatmatching or another request the local engine cannot honour. Plain
// substring tests on the lower-cased note with "-" and "_" read as spaces; a
// negation ("do not", "avoid", "no ", ...) excuses only the effect words of its
// own clause (text between , ; . ! ? and line breaks), never an advanced word.
bool asksForAdvancedRequest(const QString& note);

}  // namespace app::prepare
