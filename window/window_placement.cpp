#include "window_placement.h"

#include <QRect>
#include <QWidget>

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

void placeOnScreen(QWidget& window) {
    if (!window.testAttribute(Qt::WA_Moved))
        centreFrameOnScreen(&window);
    keepNormalStateOnWayland(window);
}

} // namespace velmora
