#include "controls.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

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

void MarkerCheckBox::paintEvent(QPaintEvent* /*event*/) {
    paintBackColour(this, backColour_);
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The marker is always disabled, but its caption is a quantity's symbol
    // that must stay legible: it is drawn in the button text colour, like
    // the window's other captions, and only the box looks disabled.
    const QColor text = palette().color(QPalette::Active, QPalette::ButtonText);
    option.palette.setColor(QPalette::Disabled, QPalette::WindowText, text);
    option.palette.setColor(QPalette::Disabled, QPalette::ButtonText, text);
    painter.drawControl(QStyle::CE_CheckBox, option);
}

void ColouredFrame::setBackColour(const QColor& colour) {
    backColour_ = colour;
    update();
}

void ColouredFrame::paintEvent(QPaintEvent* event) {
    paintBackColour(this, backColour_);
    QGroupBox::paintEvent(event);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace velmora
