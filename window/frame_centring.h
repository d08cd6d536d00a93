// Centring a top-level window's frame, title bar and borders included, on
// its screen.
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

// Centres the frame now, as far as it is known. Until the window manager has
// framed the window its frame is unknown and the window is centred as if it
// had none; the frame is then centred once more as soon as the window
// manager has told its size, unless the window has left the place it was
// put meanwhile.
void centreFrameOnScreen(QWidget* window);

} // namespace velmora
