// The net of a cone on paper, to cut out and glue: the sector of radius L
// and angle α hanging from its apex, the base circle of radius R touching
// the middle of its arc from below, and a gluing flap along the sector's
// right edge, with "L = 5 cm", "R = 3 cm" and "α = 216°" written on them.
// It is printed at real size in the solution's unit where that fits the
// page, at the largest round scale that fits otherwise.
#pragma once

#include "cone_net.h"
#include "length_unit.h"

#include "velmora/number_settings.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace velmora {

// A scale as drawings write it: 1:1, the reductions 1:2, 1:2,5, 1:5, 1:10,
// 1:20, 1:25, 1:50, ... and the enlargements 2:1, 5:1, 10:1, 20:1, ...
// Kept as a mantissa and a power of ten, so that the scale of a cone of
// 10³⁰⁰ units is written without leaving the double range.
struct RoundScale {
    bool enlarges = false; // N:1 rather than 1:N
    double mantissa = 1;   // of N: 1, 2, 2,5 or 5
    int exponent = 0;      // N = mantissa·10^exponent

    // log10 of a length on paper over the length it stands for.
    double log10Ratio() const;
};

// The largest round scale whose ratio is at most 10^log10Limit.
RoundScale largestRoundScale(double log10Limit);

// "мащаб 1:2" in a unit; without one, how long a unit is on paper, taking
// a unit as a centimetre at 1:1: "мащаб: 1 единица за дължина = 5 mm".
QString scaleText(const RoundScale& scale, LengthUnit unit, const NumberSettings& settings);

class PrintedNet {
public:
    PrintedNet(const ConeNet& cone, LengthUnit unit, const NumberSettings& settings);

    // Chooses the scale for `roomMillimetres` of free paper: real size in
    // the unit where the net fits and its slant is long enough to cut out
    // and glue, the largest round scale that fits otherwise (or without a
    // unit).
    void fitTo(const QSizeF& roomMillimetres);

    const RoundScale& scale() const { return scale_; }
    QString scaleText() const;
    // The net's size on paper at its scale, letters and line widths included.
    QSizeF sizeMillimetres() const;
    // The sector's radius on paper.
    double slantMillimetres() const { return slantMillimetres_; }
    // A sentence for what the scale leaves too small to be seen, or empty.
    QString tooSmallNote() const;

    // Paints the net with the top left corner of its size at `topLeft`, in
    // the painter's device pixels, with the painter's font for its letters.
    void paint(QPainter& painter, const QPointF& topLeft) const;

private:
    QString valueText(double value, int power) const;
    QString angleText(double alpha) const;

    ConeNet cone_;
    LengthUnit unit_;
    NumberSettings settings_;
    // The sector, flap and circle, for a slant of 1.
    QRectF shapeBounds_;
    RoundScale scale_;
    double slantMillimetres_ = 0;
};

} // namespace velmora
