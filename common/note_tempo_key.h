#pragma once
// The tempo and the key a clause of a note asks for (note_requests.h states the phrases).
// Internal to the note reader: a clause's last request counts, a negation before it excuses it.
//
//   clauseTempo(words)      // "slow down 3 %" gives {byPercent, -3}
//   clauseSemitones(words)  // "a half step up" gives +1

#include <optional>

#include "common/note_requests.h"
#include "common/note_words.h"

namespace common::note_words {

std::optional<TempoRequest> clauseTempo(const Words& clause);

std::optional<double> clauseSemitones(const Words& clause);

}  // namespace common::note_words
