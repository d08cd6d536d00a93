// The cone drawn to scale: its axial section (the isosceles triangle with
// base 2R, sides L and height H) and its net (the sector of radius L and
// angle α, touching the base circle of radius R), with the letters and
// values written on them. Painting code only, for any QPainter: the drawing
// beside the solution and the printed page both use it.
#pragma once

#include "cone_net.h"
#include "length_unit.h"

#include "velmora/number_settings.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace velmora {
namespace textbook {
struct Problem;
}

struct DrawnCone {
    QString title; // empty for the one cone of a solution
    ConeNet net;
};

struct DrawingStyle {
    QColor ink;    // lines and text
    QColor accent; // the height, the angle's arc and the shapes' tint
    QColor paper;  // what it is drawn on, which the caller fills
    QFont font;
    LengthUnit unit = LengthUnit::None;
    NumberSettings settings;
};

// The axial section with its base centre at `baseCentre`, `scale` device
// pixels to a unit of the cone's lengths, "R = 3", "L = 5", "H = 4" beside
// the base's right half, the right side and the height.
void paintAxialSection(QPainter& painter, const QPointF& baseCentre, double scale,
                       const DrawnCone& cone, const DrawingStyle& style);

// The net with the sector's apex at `sectorApex`: the sector opens
// downwards, its angle marked "α = 216°", and the base circle touches the
// middle of its arc from below.
void paintNet(QPainter& painter, const QPointF& sectorApex, double scale, const DrawnCone& cone,
              const DrawingStyle& style);

// The section and the net of every cone in one scale, the largest round
// scale at which all fit `area` with their labels, the scale written below
// them ("мащаб 1:2", or "мащаб: 1 единица за дължина = 5 mm" without a unit)
// with a sentence for each part too small to be seen at it. Paints nothing
// outside `area`. Returns the scale in device pixels to a unit of length,
// at most the largest double; 0 where nothing could be drawn.
double paintConeDrawing(QPainter& painter, const QRectF& area, const std::vector<DrawnCone>& cones,
                        const DrawingStyle& style);

// What the drawing shows, in one sentence for a screen reader: "Осното
// сечение и развивката на конуса: R = 3, L = 5, H = 4, α = 216°."
QString coneDrawingDescription(const std::vector<DrawnCone>& cones, const DrawingStyle& style);

// The cones of a solution as they are drawn, on screen and on paper: each of
// two titled as the solution's text titles it.
std::vector<DrawnCone> drawnCones(const textbook::Problem& problem);

} // namespace velmora
