// Placement where the window system frames a window as soon as it exists
// and honours its size limits (Windows, macOS): the frame is centred at
// once, and no state needs refusing.
#include "window_placement.h"

#include <QScreen>
#include <QWidget>

namespace velmora {

void centreFrameOnScreen(QWidget* window) {
    if (const QScreen* screen = window->screen())
        window->move(
            centredFramePosition(screen->availableGeometry(), window->frameGeometry().size()));
}

void keepNormalStateOnWayland(QWidget&) {}

} // namespace velmora
