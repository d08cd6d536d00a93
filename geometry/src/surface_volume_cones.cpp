#include "surface_volume_cones.h"

#include "velmora/constants.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace velmora::detail {
namespace {

using Q = ConeQuantity;

// S = s·4^e with s in [1, 4). The square root of k·S is taken as that of
// k·s, scaled back by 2^e; both scalings are exact, so a subnormal S keeps
// its digits and a huge one cannot overflow on the way. A zero, infinite or
// NaN S is left as it is.
struct ScaledSurface {
    explicit ScaledSurface(double surface)
        : e(std::isfinite(surface) && surface != 0 ? std::ilogb(surface) >> 1 : 0),
          s(std::ldexp(surface, -2 * e)) {}

    // sqrt(k·S), given k·s.
    double root(double multipleOfS) const { return std::ldexp(std::sqrt(multipleOfS), e); }

    int e;
    double s;
};

// q = 9π·V²/S³, from the significands and exponents of S and V so that
// neither V² nor S³ leaves the double range; q itself may.
double shapeOf(double surface, double volume) {
    int se = 0, ve = 0;
    const double sm = std::frexp(surface, &se), vm = std::frexp(volume, &ve);
    return std::ldexp((((9 * kPi) * vm) * vm) / ((sm * sm) * sm), 2 * ve - 3 * se);
}

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
// when q is beyond 2/(3√3), where no cone has this shape.
double widestShape(double q) {
    const double cos3theta = -(3 * std::sqrt(3.0) / 2) * q;
    // A few units of rounding beyond −1 is the double root itself.
    constexpr double slack = 8 * std::numeric_limits<double>::epsilon();
    if (!(cos3theta >= -1 - slack))
        return std::numeric_limits<double>::quiet_NaN();
    const double theta = std::acos(std::max(cos3theta, -1.0)) / 3;
    return polish((2 / std::sqrt(3.0)) * std::cos(theta), q);
}

} // namespace

std::vector<ConeValues> surfaceVolumeCones(double surface, double volume) {
    const double q = shapeOf(surface, volume);
    const double y1 = widestShape(q);
    if (!(y1 > 0))
        return {};
    // The other positive root is y2 = q·g: dividing the cubic by y − y1
    // leaves y² + y1·y + y1² − 1, whose roots multiply to −q/y1. Through g
    // it needs no q, which may lie below the double range.
    const double g = 2 / (y1 * (y1 + std::sqrt(4 - 3 * y1 * y1)));
    const double vOverS = volume / surface;
    const ScaledSurface scaled(surface);
    const double a = scaled.s / kPi;

    // With R = y·L and S = π·R·L, R² = S·y/π and L² = S/(π·y); V = π·R²·H/3
    // gives H = 3·V/(S·y). For the narrow cone R = 3·(V/S)·√g, the same with
    // y = q·g, and its slant follows from S.
    ConeValues wide, narrow;
    wide[Q::R] = scaled.root(a * y1);
    wide[Q::L] = scaled.root(a / y1);
    wide[Q::H] = 3 * vOverS / y1;
    narrow[Q::R] = 3 * vOverS * std::sqrt(g);
    narrow[Q::L] = surface / (kPi * narrow[Q::R]);
    narrow[Q::H] = narrow[Q::L] / std::sqrt(g);

    std::vector<ConeValues> cones{wide, narrow};
    if (cones[1][Q::R] > cones[0][Q::R]) // rounding at the double root
        std::swap(cones[0], cones[1]);
    if (cones[1][Q::R] == cones[0][Q::R])
        cones.pop_back();
    for (ConeValues& cone : cones) {
        cone[Q::S] = surface;
        cone[Q::V] = volume;
    }
    return cones;
}

} // namespace velmora::detail

namespace velmora {

ConeValues largestVolumeCone(double surface) {
    // S = π·R·L with L = √3·R there, so R² = S/(π·√3), and V = π·R²·H/3
    // with H = √2·R is S·R·√(2/27): no product larger than the result.
    using Q = ConeQuantity;
    const detail::ScaledSurface scaled(surface);
    ConeValues v;
    v[Q::S] = surface;
    v[Q::R] = scaled.root(scaled.s / (kPi * std::sqrt(3.0)));
    v[Q::H] = std::sqrt(2.0) * v[Q::R];
    v[Q::L] = std::sqrt(3.0) * v[Q::R];
    v[Q::V] = (surface * std::sqrt(2.0 / 27)) * v[Q::R];
    return v;
}

} // namespace velmora
