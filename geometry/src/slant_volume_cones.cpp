#include "slant_volume_cones.h"

#include "shape_cubic.h"
#include "velmora/constants.h"

#include <cmath>

namespace velmora::detail {

std::vector<ConeValues> slantVolumeCones(double slant, double volume) {
    using Q = ConeQuantity;
    const std::optional<ShapeRoots> roots =
        shapeRoots(scaledQuotient(3, volume, 1, kPi, slant, 3).value());
    if (!roots)
        return {};
    const double t1 = roots->larger, g = roots->g;

    // Flat: H = q·g·L = 3·V·g/(π·L²) and R = L·√(1 − (q·g)²) = L/√g.
    // Needle: H = t1·L and R² = L²·(1 − t1²) = L²·q/t1 = 3·V/(π·t1·L).
    // Both are formed from significands and exponents, so that where q, or
    // R², lies below the double range H, or R, keeps its digits.
    ConeValues flat, needle;
    Scaled flatHeight = scaledQuotient(3, volume, 1, kPi, slant, 2);
    flatHeight.m *= g;
    flat[Q::R] = slant / std::sqrt(g);
    flat[Q::H] = flatHeight.value();
    needle[Q::R] = scaledQuotient(3, volume, 1, kPi * t1, slant, 1).root();
    needle[Q::H] = t1 * slant;

    std::vector<ConeValues> cones{flat, needle};
    for (ConeValues& cone : cones) {
        cone[Q::L] = slant;
        cone[Q::V] = volume;
        cone[Q::S] = (kPi * cone[Q::R]) * slant;
    }
    return cones;
}

} // namespace velmora::detail

namespace velmora {

ConeValues largestVolumeConeOfSlant(double slant) {
    // H = L/√3 and R = L·√(2/3) there, so V = π·R²·H/3 = 2π·L³/(9·√3), the
    // powers of L formed after the constant so that only the result can
    // leave the double range.
    using Q = ConeQuantity;
    ConeValues v;
    v[Q::L] = slant;
    v[Q::R] = std::sqrt(2.0 / 3) * slant;
    v[Q::H] = slant / std::sqrt(3.0);
    v[Q::S] = (kPi * v[Q::R]) * slant;
    v[Q::V] = (((2 * kPi / (9 * std::sqrt(3.0))) * slant) * slant) * slant;
    return v;
}

} // namespace velmora
