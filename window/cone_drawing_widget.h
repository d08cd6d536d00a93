// The cone of the solution drawn to scale, beside the solution's text: its
// axial section and its net, in the window's colours (so a dark theme shows
// it light on dark), redrawn as the window is resized. For a screen reader
// it is a picture named «Чертеж на конуса» with one sentence of what it
// shows and the numbers.
#pragma once

#include "cone_drawing.h"
#include "length_unit.h"

#include "velmora/number_settings.h"

#include <QWidget>

#include <vector>

namespace velmora {

class ConeDrawingWidget : public QWidget {
    Q_OBJECT
public:
    explicit ConeDrawingWidget(QWidget* parent = nullptr);

    // The cones to draw, their values written under `settings`; none draws
    // nothing.
    void setCones(std::vector<DrawnCone> cones, const NumberSettings& settings);
    // The unit the values are written with; none by default.
    void setUnit(LengthUnit unit);

    const std::vector<DrawnCone>& cones() const { return cones_; }
    // The colours and font it draws with now, and its cones' unit and
    // number settings.
    DrawingStyle drawingStyle() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();

    std::vector<DrawnCone> cones_;
    NumberSettings settings_;
    LengthUnit unit_ = LengthUnit::None;
};

} // namespace velmora
