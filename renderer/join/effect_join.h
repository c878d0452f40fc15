#pragma once
// A song's end played as an effect, at a join or as the last song's ending: the song plays to
// its cut end, then the effect made of its own audio (effects/), then the next song from its
// cut start (under an echo out, already while it repeats; after a pause, on the next song's
// beat). Durations count beats of the song's trusted grid, else fixed times. Pure and
// thread-safe.

#include <optional>
#include <vector>

#include "common/note_requests.h"
#include "renderer/join/blend.h"
#include "renderer/join/join_plan.h"

namespace renderer {

// The effects that are no blend and no cut.
bool isEffect(common::JoinStyle style);

// The effects that can end the last song: all but a pause, which needs a song after it.
bool isEndingEffect(common::JoinStyle style);

// The plan of `style` at the end of `outgoing` (its segment runs past `cutEndFrame` where the
// effect reads on), into `incoming` (none for the last song's ending).
JoinPlan planEffect(common::JoinStyle style, const BlendSong& outgoing, long long cutEndFrame,
                    const BlendSong* incoming, const std::optional<common::RequestLength>& length);

// The effect's audio of `plan`, level-matched, with the incoming song under an echo out.
std::vector<float> renderEffect(const JoinPlan& plan, const BlendSong& outgoing,
                                long long cutEndFrame, const BlendSong* incoming);

}  // namespace renderer
