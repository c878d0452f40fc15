#pragma once
// The dead-air check of every join: the first 0.20 s of the next song's entrance in the
// finished edit must not be near silence. Pure apart from the failure; single-threaded.

#include <span>
#include <vector>

#include "renderer/base/constants.h"
#include "renderer/join/finished_edit.h"
#include "renderer/join/transition_check.h"

namespace renderer {

// truncate(targetSampleRate × 0.2) = 8820 frames after each join.
inline constexpr long long joinCheckFrames = static_cast<long long>(targetSampleRate * 0.2);

// Peak and RMS of the frames [joinFrame, joinFrame + joinCheckFrames) that exist.
TransitionCheck measureJoin(ConstSampleSpan output, long long joinFrame, int afterTrack);

// Both values strictly below their thresholds (deadAirThresholdPeak, deadAirThresholdRMS).
bool isDeadAir(const TransitionCheck& check);

// Measures each join, given the edit frames where the songs after the first start to sound
// (a blend's start, a cut's join); empty for a single song. Only after all are measured, throws
// RenderError "QC rejected a join because the next song entrance looked like dead air." when
// any is.
std::vector<TransitionCheck> checkJoins(const FinishedEdit& edit,
                                        std::span<const long long> joinFrames);

}  // namespace renderer
