#include "controls.h"

#include <QPaintEvent>
#include <QPainter>

namespace velmora {

void paintBackColour(QWidget* widget, const QColor& colour) {
    if (!colour.isValid())
        return;
    QPainter painter(widget);
    painter.fillRect(widget->rect(), colour);
}

void MarkerCheckBox::setBackColour(const QColor& colour) {
    backColour_ = colour;
    update();
}

bool MarkerCheckBox::hitButton(const QPoint& /*pos*/) const {
    return false;
}

void MarkerCheckBox::nextCheckState() {}

void MarkerCheckBox::paintEvent(QPaintEvent* event) {
    paintBackColour(this, backColour_);
    QCheckBox::paintEvent(event);
}

void ColouredFrame::setBackColour(const QColor& colour) {
    backColour_ = colour;
    update();
}

void ColouredFrame::paintEvent(QPaintEvent* event) {
    paintBackColour(this, backColour_);
    QGroupBox::paintEvent(event);
}

} // namespace velmora
