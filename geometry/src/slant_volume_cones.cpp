#include "slant_volume_cones.h"

#include "shape_cubic.h"
#include "velmora/constants.h"

#include <cmath>

namespace velmora::detail {
namespace {

using Q = ConeQuantity;

// q = 3·V/(π·L³); it may leave the double range, L³ does not.
double slantVolumeShape(double slant, double volume) {
    return quotientOfPowers({3, volume, 1}, {kPi, slant, 3}).value();
}

} // namespace

std::vector<ConeValues> slantVolumeCones(double slant, double volume) {
    const std::optional<ShapeRoots> roots = shapeRoots(slantVolumeShape(slant, volume));
    if (!roots)
        return {};
    const double t1 = roots->larger, smallerOverShape = roots->smallerOverShape;

    // Flat, with g = smallerOverShape: H = q·g·L = 3·V·g/(π·L²) and
    // R = L·√(1 − (q·g)²) = L/√g.
    // Needle: H = t1·L and R² = L²·(1 − t1²) = L²·q/t1 = 3·V/(π·t1·L).
    // Both are formed from significands and exponents, so that where q, or
    // R², lies below the double range H, or R, keeps its digits.
    ConeValues flat, needle;
    ScaledDouble flatHeight = quotientOfPowers({3, volume, 1}, {kPi, slant, 2});
    flatHeight.factor *= smallerOverShape;
    flat[Q::R] = slant / std::sqrt(smallerOverShape);
    flat[Q::H] = flatHeight.value();
    needle[Q::R] = quotientOfPowers({3, volume, 1}, {kPi * t1, slant, 1}).root();
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

using Q = ConeQuantity;

ShapeCubic slantVolumeCubic(const ConeValues& cone) {
    return {detail::slantVolumeShape(cone[Q::L], cone[Q::V]), cone[Q::H] / cone[Q::L]};
}

ConeValues largestVolumeConeOfSlant(double slant) {
    // H = L/√3 and R = L·√(2/3) there, so V = π·R²·H/3 = 2π·L³/(9·√3), the
    // powers of L formed after the constant so that only the result can
    // leave the double range.
    ConeValues v;
    v[Q::L] = slant;
    v[Q::R] = std::sqrt(2.0 / 3) * slant;
    v[Q::H] = slant / std::sqrt(3.0);
    v[Q::S] = (kPi * v[Q::R]) * slant;
    v[Q::V] = (((2 * kPi / (9 * std::sqrt(3.0))) * slant) * slant) * slant;
    return v;
}

} // namespace velmora
