// Widgets that the Velmora window needs beyond Qt's own.
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace velmora {

// Fills the widget's rectangle in its back colour. The frame and the markers
// paint their colour themselves rather than take it from the palette: in the
// frame a palette colour would pass on to every control inside it, and a
// marker's style also fills its disabled box with the palette's window colour.
void paintBackColour(QWidget* widget, const QColor& colour);

// A quantity's marker. Only the program sets its tick (setChecked); a mouse
// click or the Space key never toggles it, enabled or not.
class MarkerCheckBox : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

    void setBackColour(const QColor& colour);

protected:
    // Clicks on the marker do not press it at all.
    bool hitButton(const QPoint& pos) const override;
    // A press that still completes (Space) leaves the tick as it is.
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor backColour_;
};

// A frame (group box) with its own back colour.
class ColouredFrame : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

    void setBackColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor backColour_;
};

// A command button. As on the classic desktop, the focused button takes
// Enter as well as Space; neither button is the window's default, so Enter
// elsewhere presses nothing.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The picture box, which shows that it has the focus by a dotted rectangle
// over its picture.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora
