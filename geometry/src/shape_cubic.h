// The cubic y³ − y + q = 0 of the two combinations where two cones can share
// the given values. y is a leg of the cone's right triangle over its slant
// height (R/L with S and V given, H/L with L and V), so every real cone has y
// in (0, 1), and q > 0 depends on the cone's shape alone. Below
// q = 2/(3√3) there are two such roots, at it one, above it none.
#pragma once

#include <cmath>
#include <optional>

namespace velmora::detail {

// factor·2^powerOfTwo: a value that may lie outside the double range, with
// a factor of moderate size.
struct ScaledDouble {
    double factor;
    int powerOfTwo;

    // The value itself: 0 or infinite where it leaves the double range.
    double value() const { return std::ldexp(factor, powerOfTwo); }
    // Its square root, which can be in the double range where the value is not.
    double root() const {
        const int odd = powerOfTwo & 1;
        return std::ldexp(std::sqrt(odd ? 2 * factor : factor), (powerOfTwo - odd) / 2);
    }
};

// coefficient·base^exponent, the coefficient of moderate size.
struct Power {
    double coefficient;
    double base;
    int exponent;
};

// numerator / denominator from the significands and exponents of their
// bases, each product formed left to right from the coefficient, so that no
// power leaves the double range on the way.
ScaledDouble quotientOfPowers(Power numerator, Power denominator);

// The roots of y³ − y + q in (0, 1).
struct ShapeRoots {
    double larger; // in [1/√3, 1)
    // The smaller root over q, in [1, 3/2]. Through it the smaller root
    // needs no q, which may lie below the double range, and 1 − smaller² is
    // 1/smallerOverShape, without cancellation.
    double smallerOverShape;
};

// Nothing when q is beyond 2/(3√3) (more than rounding can explain), where
// no cone has this shape.
std::optional<ShapeRoots> shapeRoots(double q);

} // namespace velmora::detail
