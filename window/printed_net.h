// The net of a cone on paper, to cut out and glue: the sector of radius L
// and angle α hanging from its apex, the base circle of radius R touching
// the middle of its arc from below, and a gluing flap along the sector's
// right edge, with "L = 5 cm", "R = 3 cm" and "α = 216°" written on them.
// It is printed at real size in the solution's unit where that fits the
// page, at the largest round scale that fits otherwise.
#pragma once

#include "cone_net.h"
#include "length_unit.h"
#include "round_scale.h"

#include "velmora/number_settings.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace velmora {

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
    RoundScale scale_{unit_};
    double slantMillimetres_ = 0;
};

} // namespace velmora
