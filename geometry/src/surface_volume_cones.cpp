#include "surface_volume_cones.h"

#include "shape_cubic.h"
#include "velmora/constants.h"

#include <cmath>

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

// q = 9π·V²/S³; it may leave the double range, neither V² nor S³ does.
double surfaceVolumeShape(double surface, double volume) {
    return quotientOfPowers({9 * kPi, volume, 2}, {1, surface, 3}).value();
}

} // namespace

std::vector<ConeValues> surfaceVolumeCones(double surface, double volume) {
    const std::optional<ShapeRoots> roots = shapeRoots(surfaceVolumeShape(surface, volume));
    if (!roots)
        return {};
    const double y1 = roots->larger, smallerOverShape = roots->smallerOverShape;
    const double vOverS = volume / surface;
    const ScaledSurface scaled(surface);
    const double a = scaled.s / kPi;

    // With R = y·L and S = π·R·L, R² = S·y/π and L² = S/(π·y); V = π·R²·H/3
    // gives H = 3·V/(S·y). For the narrow cone R = 3·(V/S)·√smallerOverShape,
    // the same with y = q·smallerOverShape, and its slant follows from S.
    ConeValues wide, narrow;
    wide[Q::R] = scaled.root(a * y1);
    wide[Q::L] = scaled.root(a / y1);
    wide[Q::H] = 3 * vOverS / y1;
    narrow[Q::R] = 3 * vOverS * std::sqrt(smallerOverShape);
    narrow[Q::L] = surface / (kPi * narrow[Q::R]);
    narrow[Q::H] = narrow[Q::L] / std::sqrt(smallerOverShape);

    std::vector<ConeValues> cones{wide, narrow};
    for (ConeValues& cone : cones) {
        cone[Q::S] = surface;
        cone[Q::V] = volume;
    }
    return cones;
}

} // namespace velmora::detail

namespace velmora {

using Q = ConeQuantity;

ShapeCubic surfaceVolumeCubic(const ConeValues& cone) {
    return {detail::surfaceVolumeShape(cone[Q::S], cone[Q::V]), cone[Q::R] / cone[Q::L]};
}

ConeValues largestVolumeCone(double surface) {
    // S = π·R·L with L = √3·R there, so R² = S/(π·√3), and V = π·R²·H/3
    // with H = √2·R is S·R·√(2/27): no product larger than the result.
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
