#pragma once
// The window's sizes and how it is fitted to the screen it opens on. Sizes are
// in device-independent pixels (one design point is one pixel).

#include <QRect>
#include <QSize>
#include <optional>

namespace app::ui {

inline constexpr QSize preferredWindowSize(1440, 1040);
inline constexpr QSize minimumWindowSize(1080, 620);
inline constexpr int screenMarginHorizontal = 32;
inline constexpr int screenMarginVertical = 30;
inline constexpr int smallestUsableWidth = 820;
inline constexpr int scrollThresholdHeight = 780;  // below this the header scrolls with the card
inline constexpr int contentMargin = 32;
inline constexpr int headerCardGap = 12;
inline constexpr int cardRowSpacing = 16;

struct WindowFit {
    QSize minimumSize;
    QRect frame;  // the new frame; equal to the current one when unchanged
    bool changesFrame = false;
};

// Computes the minimum size and the frame that make the window readable on a
// screen whose visible frame is `visibleFrame` (nothing without a screen: the
// preferred size stands in for it). The top edge stays; a changed frame is
// then moved inside the visible frame. Pure: the caller applies the result.
WindowFit ensureReadableWindowSize(const std::optional<QRect>& visibleFrame,
                                   const QRect& currentFrame);

}  // namespace app::ui
