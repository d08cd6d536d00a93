// Where the Velmora window sits and which states it accepts: its frame,
// title bar and borders included, is centred on its screen, keeping the
// title bar on a screen too small for it, and the fixed-size window stays in
// its normal state.
//
// On Wayland the state needs the program's help. Wayland gives a maximized
// window the size the compositor chose, and the client must take it. Qt's
// own title bar there (the "bradient" decoration) offers Maximize whatever
// the window's size limits are; the request for a window whose minimum and
// maximum size are equal either does nothing (GNOME, KDE) or is granted, and
// then the compositor ends the program for a window that keeps its size
// (weston: "xdg_surface geometry ... does not match the configured maximized
// state"). A full-screen window would lose its title bar, and with it the
// way back. Elsewhere the window manager honours the fixed size itself.
#pragma once

#include <QPoint>
#include <QSize>

class QRect;
class QWidget;

namespace velmora {

// Where the top left corner of a frame of this size goes to be centred on a
// screen's available area; where the frame does not fit, its top and left
// edges stay on the screen.
QPoint centredFramePosition(const QRect& available, QSize frame);

// Places the top-level `window` as it is first shown: centred, unless a
// place was given before (the frame is centred once more as soon as the
// window manager has told its size, unless the window has left the place it
// was put meanwhile), and from then on refusing the maximized and the
// full-screen state on Wayland.
void placeOnScreen(QWidget& window);

// The two steps of placeOnScreen, which differ by platform: where X11 or
// Wayland frames the window late (window_placement_x11_wayland.cpp), and
// where the frame is known as soon as the window exists (Windows, macOS:
// window_placement_windows_macos.cpp).
void centreFrameOnScreen(QWidget* window);
void keepNormalStateOnWayland(QWidget& window);

} // namespace velmora
