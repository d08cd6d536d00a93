#include "round_scale.h"

#include "drawn_number.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ranges>

namespace velmora {
namespace {

// A value that meets a round number to nine digits is taken as meeting it:
// the ratio of a page's room to a cone's slant seldom comes out exact.
constexpr double kSlack = 1e-9;
// Beyond any scale a cone of doubles, denormals included, can need.
constexpr double kFarthestPower = 1000;

constexpr std::array kFineSteps{1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0};
constexpr std::array kEnlargingSteps{1.0, 2.0, 5.0};
constexpr std::array kReducingSteps{1.0, 2.0, 2.5, 5.0};

double clampedPower(double log10Value) {
    return std::isnan(log10Value) ? 0.0 : std::clamp(log10Value, -kFarthestPower, kFarthestPower);
}

} // namespace

const ScaleSteps kScreenScales{kFineSteps, kFineSteps, kFineSteps};
const ScaleSteps kPaperScales{kEnlargingSteps, kReducingSteps, kReducingSteps};

double RoundNumber::log10() const {
    return std::log10(mantissa) + exponent;
}

RoundNumber roundDown(double log10Value, RoundSteps steps) {
    const double lg = clampedPower(log10Value);
    const int exponent = static_cast<int>(std::floor(lg + kSlack));
    for (const double m : steps | std::views::reverse)
        if (std::log10(m) + exponent <= lg + kSlack)
            return {m, exponent};
    return {steps.back(), exponent - 1}; // not reached: the steps start at 1
}

RoundNumber roundUp(double log10Value, RoundSteps steps) {
    const double lg = clampedPower(log10Value);
    const int exponent = static_cast<int>(std::floor(lg - kSlack));
    for (const double m : steps)
        if (std::log10(m) + exponent >= lg - kSlack)
            return {m, exponent};
    return {1, exponent + 1};
}

RoundScale::RoundScale(LengthUnit unit)
    : RoundScale(unit, unit == LengthUnit::None ? Kind::UnitLength : Kind::Enlarging,
                 unit == LengthUnit::None ? RoundNumber{1, 1} : RoundNumber{}) {}

RoundScale::RoundScale(LengthUnit unit, Kind kind, RoundNumber n)
    : unit_(unit), kind_(kind), n_(n) {}

RoundScale RoundScale::largestWithin(double log10Millimetres, LengthUnit unit,
                                     const ScaleSteps& steps) {
    if (unit == LengthUnit::None)
        return {unit, Kind::UnitLength, roundDown(log10Millimetres, steps.unitLengths)};
    // Drawn over real length.
    const double lg = clampedPower(log10Millimetres) - std::log10(unitInfo(unit).millimetres);
    if (lg >= -kSlack)
        return {unit, Kind::Enlarging, roundDown(lg, steps.enlarging)};
    return {unit, Kind::Reducing, roundUp(-lg, steps.reducing)};
}

RoundScale RoundScale::nextSmaller(const ScaleSteps& steps) const {
    return largestWithin(log10Millimetres() - 10 * kSlack, unit_, steps);
}

double RoundScale::log10Millimetres() const {
    switch (kind_) {
    case Kind::UnitLength:
        return n_.log10();
    case Kind::Enlarging:
        return std::log10(unitInfo(unit_).millimetres) + n_.log10();
    case Kind::Reducing:
        break;
    }
    return std::log10(unitInfo(unit_).millimetres) - n_.log10();
}

QString RoundScale::text(const NumberSettings& settings) const {
    const QString n = drawnNumberText(n_.mantissa, n_.exponent, settings);
    switch (kind_) {
    case Kind::Enlarging:
        return QStringLiteral("мащаб ") + n + QStringLiteral(":1");
    case Kind::Reducing:
        return QStringLiteral("мащаб 1:") + n;
    case Kind::UnitLength:
        break;
    }
    // From ten millimetres on, in centimetres.
    const bool centimetres = n_.exponent >= 1;
    const QString length =
        centimetres ? drawnNumberText(n_.mantissa, n_.exponent - 1, settings) : n;
    return QStringLiteral("мащаб: 1 единица за дължина = ") + length +
           (centimetres ? QStringLiteral(" cm") : QStringLiteral(" mm"));
}

} // namespace velmora
