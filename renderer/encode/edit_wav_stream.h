#pragma once
// The finished edit as the WAV an encoder reads on its standard input: the canonical header,
// then the samples in blocks, each read out of the edit just before it goes. Never written to
// disk. Looks at the stop request between blocks (throws as throwIfStopRequested does).

#include <cstddef>
#include <functional>

#include "renderer/base/constants.h"
#include "renderer/base/run_process.h"

namespace renderer {

// The edit's samples (interleaved, targetChannels). `copySamples` fills `out` with the samples
// from `firstSample` on; it is called from several threads at once, so it must only read.
struct EditAudio {
    size_t sampleCount = 0;
    std::function<void(size_t firstSample, SampleSpan out)> copySamples;

    long long frameCount() const { return static_cast<long long>(sampleCount / targetChannels); }
};

// Writes frames [firstFrame, firstFrame + frameCount) of the edit as a WAV into `sink`; stops
// early once the sink refuses more.
void writeEditWav(const EditAudio& edit, long long firstFrame, long long frameCount,
                  const ChildInputSink& sink);

}  // namespace renderer
