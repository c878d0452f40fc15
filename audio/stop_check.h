#pragma once
// How a long read learns that its program wants to stop: the reader calls the check between
// blocks, and the check throws to end the read. An empty check never stops a read.

#include <functional>

namespace audio {

using StopCheck = std::function<void()>;

}  // namespace audio
