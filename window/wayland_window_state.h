// Keeps the fixed-size window in its normal state on Wayland.
//
// Wayland gives a maximized window the size the compositor chose, and the
// client must take it. Qt's own title bar on Wayland (the "bradient"
// decoration) offers Maximize whatever the window's size limits are; the
// request for a window whose minimum and maximum size are equal either does
// nothing (GNOME, KDE) or is granted, and then the compositor ends the program
// for a window that keeps its size (weston: "xdg_surface geometry ... does not
// match the configured maximized state"). A full-screen window would lose its
// title bar, and with it the way back.
#pragma once

class QWidget;

namespace velmora {

// From now on the shown top-level `window` refuses the maximized and the
// full-screen state on the Wayland platform: a request from the title bar is
// withdrawn before the compositor can act on it, and a state the compositor
// sets anyway is handed back. Does nothing on the other platforms, where the
// window manager honours the fixed size itself.
void keepNormalStateOnWayland(QWidget& window);

} // namespace velmora
