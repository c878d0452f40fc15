#pragma once
// Which frames of the finished edit a preview button plays. No Qt.

namespace app::ui {

inline constexpr double kJoinPreviewSeconds = 4.0;  // heard before and after a join

struct FrameRange {
    long long startFrame = 0;
    long long endFrame = 0;  // one past the last frame played
};

// From 4 s before `joinSeconds` to 4 s after it, kept inside the edit's `frameCount` frames.
FrameRange joinPreviewRange(double joinSeconds, long long frameCount, int sampleRate);

// From `endingStartSeconds` to the edit's end.
FrameRange endingPreviewRange(double endingStartSeconds, long long frameCount, int sampleRate);

}  // namespace app::ui
