// The cubic y³ − y + q = 0 of the two combinations where two cones can share
// the given values. y is a leg of the cone's right triangle over its slant
// height (R/L with S and V given, H/L with L and V), so every real cone has y
// in (0, 1), and q > 0 depends on the cone's shape alone. Below
// q = 2/(3√3) there are two such roots, at it one, above it none.
#pragma once

#include <cmath>
#include <optional>

namespace velmora::detail {

// m·2^e: a value that may lie outside the double range, with m of moderate size.
struct Scaled {
    double m;
    int e;

    // The value itself: 0 or infinite where it leaves the double range.
    double value() const { return std::ldexp(m, e); }
    // Its square root, which can be in the double range where the value is not.
    double root() const {
        const int odd = e & 1;
        return std::ldexp(std::sqrt(odd ? 2 * m : m), (e - odd) / 2);
    }
};

// c·a^m / (d·b^n) from the significands and exponents of a and b, the
// products formed left to right, so that no power of a or b leaves the
// double range; c and d are of moderate size.
Scaled scaledQuotient(double c, double a, int m, double d, double b, int n);

// The roots of y³ − y + q in (0, 1).
struct ShapeRoots {
    double larger; // in [1/√3, 1)
    // The smaller root is q·g, with g in [1, 3/2]. Through g it needs no q,
    // which may lie below the double range, and 1 − (q·g)² is 1/g, without
    // cancellation.
    double g;
};

// Nothing when q is beyond 2/(3√3) (more than rounding can explain), where
// no cone has this shape.
std::optional<ShapeRoots> shapeRoots(double q);

} // namespace velmora::detail
