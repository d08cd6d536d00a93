// Placement where X11 or Wayland draws the frame: the window manager frames
// the window some time after it is shown, and a Wayland compositor may grant
// a state that resizes the window.
#include "window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace velmora {
namespace {

QPoint centredPosition(const QWidget* window, QSize frame) {
    const QScreen* screen = window->screen();
    return screen != nullptr ? centredFramePosition(screen->availableGeometry(), frame) : QPoint();
}

QMargins frameMargins(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

// Watches the window until the window manager has framed it, then centres
// the frame. The watch ends there, or at the first input, after which the
// place of the window is the user's.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget* window, QPoint placedAt)
        : QObject(window), window_(window), placedAt_(placedAt) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_)
            return false;
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::WindowActivate:
            // The window's own margins, not the widget's copy of them,
            // which lags behind.
            if (const QMargins margins = frameMargins(window_); !margins.isNull()) {
                QWindow* handle = window_->windowHandle();
                // A window manager keeps either the frame or the client at
                // the place asked for; anywhere else, the window was moved.
                if (handle->framePosition() == placedAt_ || handle->position() == placedAt_)
                    handle->setFramePosition(
                        centredPosition(window_, window_->size().grownBy(margins)));
                end();
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
            end();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void end() {
        window_->removeEventFilter(this);
        deleteLater();
    }

    QWidget* window_;
    QPoint placedAt_;
};

} // namespace

// Centres the frame now, as far as it is known. Until the window manager has
// framed the window its frame is unknown and the window is centred as if it
// had none; a FrameWatch centres it once more when the frame is known.
void centreFrameOnScreen(QWidget* window) {
    const QPoint placedAt = centredPosition(window, window->frameGeometry().size());
    window->move(placedAt);
    if (frameMargins(window).isNull())
        new FrameWatch(window, placedAt);
}

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

// A request for the maximized or full-screen state, from the title bar or
// the compositor, is withdrawn before the compositor can act on it.
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
