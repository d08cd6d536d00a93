#include "wayland_window_state.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace velmora {
namespace {

constexpr Qt::WindowStates kRefusedStates = Qt::WindowMaximized | Qt::WindowFullScreen;

void returnToNormal(QWidget& window, QWindow& handle) {
    // The widget's own state first (a request may have come through it),
    // then the native window's (the title bar asks the QWindow directly).
    // Where the compositor had already granted the state, this asks it back.
    window.setWindowState(window.windowState() & ~kRefusedStates);
    handle.setWindowStates(handle.windowStates() & ~kRefusedStates);
    // A request that Qt has already queued for the compositor cannot be
    // taken back, and the compositor has not answered it yet. Hiding the
    // window ends its Wayland surface, and the request with it; showing it
    // again maps a fresh surface in the normal state.
    window.hide();
    window.show();
}

} // namespace

void keepNormalStateOnWayland(QWidget& window) {
    QWindow* handle = window.windowHandle();
    if (handle == nullptr || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    // Direct: the surface must be gone before Qt reads the compositor's
    // answer to the request.
    QObject::connect(
        handle, &QWindow::windowStateChanged, &window,
        [&window, handle](Qt::WindowState state) {
            if (state == Qt::WindowMaximized || state == Qt::WindowFullScreen)
                returnToNormal(window, *handle);
        },
        Qt::DirectConnection);
}

} // namespace velmora
