#pragma once
// The tempo a beat tracker hears in an onset envelope (Queen Mary DSP's TempoTrackV2): a first
// estimate, which the beat grid then refines against the whole song. Pure and thread-safe.

#include "renderer/analysis/onset_envelope.h"

namespace renderer {

// The median interval, in seconds, between the beats the tracker lays over `envelope`; 0 when
// the envelope is too short for the tracker to settle.
double trackedBeatPeriod(const OnsetEnvelope& envelope);

}  // namespace renderer
