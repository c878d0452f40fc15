#include "app/ui/preview_range.h"

#include <algorithm>
#include <cmath>

namespace app::ui {
namespace {

long long frameAt(double seconds, long long frameCount, int sampleRate) {
    const auto frame = static_cast<long long>(std::llround(seconds * sampleRate));
    return std::clamp(frame, 0LL, frameCount);
}

}  // namespace

FrameRange joinPreviewRange(double joinSeconds, long long frameCount, int sampleRate) {
    return {frameAt(joinSeconds - kJoinPreviewSeconds, frameCount, sampleRate),
            frameAt(joinSeconds + kJoinPreviewSeconds, frameCount, sampleRate)};
}

FrameRange endingPreviewRange(double endingStartSeconds, long long frameCount, int sampleRate) {
    return {frameAt(endingStartSeconds, frameCount, sampleRate), frameCount};
}

}  // namespace app::ui
