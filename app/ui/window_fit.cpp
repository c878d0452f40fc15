#include "app/ui/window_fit.h"

#include <algorithm>
#include <cstdlib>

namespace app::ui {

WindowFit ensureReadableWindowSize(const std::optional<QRect>& visibleFrame,
                                   const QRect& currentFrame) {
    const QSize visible = visibleFrame ? visibleFrame->size() : preferredWindowSize;
    const int usableWidth = std::max(visible.width() - screenMarginHorizontal, smallestUsableWidth);
    const int usableHeight =
        std::max(visible.height() - screenMarginVertical, minimumWindowSize.height());

    WindowFit fit;
    fit.minimumSize = QSize(std::min(usableWidth, minimumWindowSize.width()),
                            std::min(usableHeight, minimumWindowSize.height()));
    fit.frame = currentFrame;

    const int targetWidth = std::min(
        usableWidth,
        std::max(currentFrame.width(), std::min(usableWidth, preferredWindowSize.width())));
    const int targetHeight = usableHeight;
    if (std::abs(targetWidth - currentFrame.width()) <= 1 &&
        std::abs(targetHeight - currentFrame.height()) <= 1) {
        return fit;
    }

    // Screen coordinates grow downwards here, so keeping the top edge keeps y.
    QRect frame(currentFrame.topLeft(), QSize(targetWidth, targetHeight));
    if (visibleFrame) {
        // On a screen smaller than the window the left and top edges win, so the title bar
        // stays on screen and the window can still be moved.
        const QRect& area = *visibleFrame;
        if (frame.right() > area.right()) frame.moveRight(area.right());
        if (frame.left() < area.left()) frame.moveLeft(area.left());
        if (frame.bottom() > area.bottom()) frame.moveBottom(area.bottom());
        if (frame.top() < area.top()) frame.moveTop(area.top());
    }
    fit.frame = frame;
    fit.changesFrame = true;
    return fit;
}

}  // namespace app::ui
