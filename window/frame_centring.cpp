#include "frame_centring.h"

#include <QEvent>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace velmora {

QPoint centredFramePosition(const QRect& available, QSize frame) {
    QRect centred({}, frame);
    centred.moveCenter(available.center());
    // A frame larger than the screen keeps its top left corner, with the
    // title bar and its Close button, on the screen.
    centred.moveTop(std::max(centred.top(), available.top()));
    centred.moveLeft(std::max(centred.left(), available.left()));
    return centred.topLeft();
}

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

void centreFrameOnScreen(QWidget* window) {
    const QPoint placedAt = centredPosition(window, window->frameGeometry().size());
    window->move(placedAt);
    if (frameMargins(window).isNull())
        new FrameWatch(window, placedAt);
}

} // namespace velmora
