#include "desktop/ScreenFit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace faktorlupe {
namespace {

// Room for the title bar and borders, which the window system adds only once the window is
// shown: a generous guess, since too little leaves the frame's bottom off the screen.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

} // namespace

void fitIntoScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const QSize room(available.width() - kFrameWidth, available.height() - kFrameHeight);
    // Never below its minimum size, which resize keeps.
    window.resize(window.size().boundedTo(room));
    const QSize fitted = window.size();
    const QPoint topLeft(
        available.x() + std::max(0, (available.width() - fitted.width() - kFrameWidth) / 2),
        available.y() + std::max(0, (available.height() - fitted.height() - kFrameHeight) / 2));
    window.move(topLeft);
}

} // namespace faktorlupe
