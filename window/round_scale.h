// The scales a drawing is made at, on screen and on paper: N:1 and 1:N with
// N a round number, or without a unit of length, how long a unit is drawn.
// Kept as a mantissa and a power of ten, so that the scale of a cone of
// 10³⁰⁰ or 10⁻³⁰⁰ units is written without leaving the range of doubles.
#pragma once

#include "length_unit.h"

#include "velmora/number_settings.h"

#include <QString>

#include <span>

namespace velmora {

// mantissa·10^exponent with the mantissa one of a table's steps.
struct RoundNumber {
    double mantissa = 1; // from 1 to under 10
    int exponent = 0;

    double log10() const;
};

// The mantissas a round number may have, ascending from 1.
using RoundSteps = std::span<const double>;

// The largest round number not above 10^log10Value, and the smallest not
// below it (a value that meets one to nine digits counts as meeting it).
RoundNumber roundDown(double log10Value, RoundSteps steps);
RoundNumber roundUp(double log10Value, RoundSteps steps);

// Which round scales a drawing may take.
struct ScaleSteps {
    RoundSteps enlarging;   // N of N:1
    RoundSteps reducing;    // N of 1:N
    RoundSteps unitLengths; // without a unit: the millimetres a unit is drawn at
};

// On screen a drawing fills its room: 1, 1,2, 1,5, 2, 2,5, 3, 4, 5, 6, 8.
extern const ScaleSteps kScreenScales;
// On paper, the scales drawings are made at: 2:1, 5:1, 10:1, ..., and
// 1:2, 1:2,5, 1:5, 1:10, ...; without a unit, a unit 1, 2, 2,5 or 5 mm
// times a power of ten.
extern const ScaleSteps kPaperScales;

class RoundScale {
public:
    // 1:1, or without a unit a unit drawn as a centimetre.
    explicit RoundScale(LengthUnit unit = LengthUnit::None);

    // The largest round scale at which a unit of the cone's lengths is drawn
    // at most 10^log10Millimetres millimetres long.
    static RoundScale largestWithin(double log10Millimetres, LengthUnit unit,
                                    const ScaleSteps& steps);

    // The round scale next below this one.
    RoundScale nextSmaller(const ScaleSteps& steps) const;

    // log10 of the millimetres a unit of the cone's lengths is drawn at.
    double log10Millimetres() const;

    // "мащаб 1:2", "мащаб 5:1", and without a unit
    // "мащаб: 1 единица за дължина = 4 mm".
    QString text(const NumberSettings& settings) const;

private:
    enum class Kind { Enlarging, Reducing, UnitLength };

    RoundScale(LengthUnit unit, Kind kind, RoundNumber n);

    LengthUnit unit_;
    Kind kind_;
    RoundNumber n_;
};

} // namespace velmora
