#include "shape_cubic.h"

#include <algorithm>
#include <limits>

namespace velmora::detail {
namespace {

// y³ − y + q, written y·(y + 1)·(y − 1) + q: near y = 1 the difference y − 1
// is exact, where y³ − y would cancel.
double cubic(double y, double q) {
    return (y * (y + 1)) * (y - 1) + q;
}

// Newton steps on the cubic, each kept only while it makes the cubic
// smaller, so that near the double root (where the slope vanishes) it
// cannot run away.
double polish(double y, double q) {
    double residual = std::abs(cubic(y, q));
    for (int step = 0; step < 4 && residual > 0; ++step) {
        const double next = y - cubic(y, q) / (3 * y * y - 1);
        const double nextResidual = std::abs(cubic(next, q));
        if (!(nextResidual < residual))
            break;
        y = next;
        residual = nextResidual;
    }
    return y;
}

// The largest root, of the trigonometric form of Cardano's formula, where
// the cosine lies between 1/2 and √3/2 and loses nothing. Not a number
// when q is beyond 2/(3√3).
double largestRoot(double q) {
    const double cos3theta = -(3 * std::sqrt(3.0) / 2) * q;
    // Two units of rounding beyond −1, what forming q and the cosine can
    // err by, is the double root itself. Further out no cone has this
    // shape: the cubic's least value there is q − 2/(3√3), by which the cone
    // of the double root would break L² = R² + H².
    constexpr double slack = 2 * std::numeric_limits<double>::epsilon();
    if (!(cos3theta >= -1 - slack))
        return std::numeric_limits<double>::quiet_NaN();
    const double theta = std::acos(std::max(cos3theta, -1.0)) / 3;
    return polish((2 / std::sqrt(3.0)) * std::cos(theta), q);
}

} // namespace

ScaledDouble quotientOfPowers(Power numerator, Power denominator) {
    int top = 0, bottom = 0;
    const double topSignificand = std::frexp(numerator.base, &top);
    const double bottomSignificand = std::frexp(denominator.base, &bottom);
    for (int i = 0; i < numerator.exponent; ++i)
        numerator.coefficient *= topSignificand;
    for (int i = 0; i < denominator.exponent; ++i)
        denominator.coefficient *= bottomSignificand;
    return {numerator.coefficient / denominator.coefficient,
            numerator.exponent * top - denominator.exponent * bottom};
}

std::optional<ShapeRoots> shapeRoots(double q) {
    const double y1 = largestRoot(q);
    if (!(y1 > 0))
        return std::nullopt;
    // Dividing the cubic by y − y1 leaves y² + y1·y + y1² − 1, whose
    // positive root is 2·(1 − y1²)/(y1 + √(4 − 3·y1²)), and 1 − y1² = q/y1.
    return ShapeRoots{y1, 2 / (y1 * (y1 + std::sqrt(4 - 3 * y1 * y1)))};
}

} // namespace velmora::detail
