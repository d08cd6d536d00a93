// Frame centring and the fixed size where the window system frames a window
// as soon as it exists and honours its size limits (Windows, macOS): the
// frame is centred at once, and no state needs refusing.
#include "frame_centring.h"
#include "wayland_window_state.h"

#include <QScreen>
#include <QWidget>

namespace velmora {

void centreFrameOnScreen(QWidget* window) {
    QRect frame = window->frameGeometry();
    if (const QScreen* screen = window->screen())
        frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void keepNormalStateOnWayland(QWidget&) {}

} // namespace velmora
