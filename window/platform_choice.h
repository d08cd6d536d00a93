// Which Qt platform plugin Velmora asks for. Where both an X server and a
// Wayland compositor are there (XWayland is part of every common Wayland
// desktop), X11 keeps the classic window: a title bar from the window
// manager that honours the fixed size, and a window centred on the screen.
#pragma once

#include <QByteArray>

namespace velmora {

// The value for QT_QPA_PLATFORM given the current one and DISPLAY: where the
// user named no platform and an X display is named, X11 first, Wayland when
// the X server cannot be reached (Qt tries a ';'-separated list in order).
// Otherwise the current value, unchanged; so are Qt's own choices and the
// -platform option, which overrides the variable.
QByteArray platformRequest(const QByteArray& qpaPlatform, const QByteArray& display);

// Sets QT_QPA_PLATFORM from the process environment as above. Called before
// the QApplication is built.
void preferX11WhereReachable();

// Where no platform plugin can start (no X server, no Wayland compositor),
// Qt reports it as a fatal error and aborts, which reads as a crash (exit
// status 134, a core dump). Installed before the QApplication is built, this
// ends the program with a short message and exit status 1 instead; every
// other fatal error keeps Qt's handling.
void exitWithoutDisplay();

} // namespace velmora
