#include "surface_volume_cubic.h"

#include "velmora/constants.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace velmora::detail {
namespace {

struct Cubic {
    // a·x³ + c·x + d; the x² coefficient is 0.
    double a, c, d;

    double value(double x) const { return (a * x * x + c) * x + d; }
    double slope(double x) const { return 3 * a * x * x + c; }
};

// Newton steps from a root found by Cardano's formula: the trigonometric
// form loses a few digits in acos and cos, and the polish wins them back.
// A step is kept only while it makes the cubic smaller, so near a double
// root (where the slope vanishes) it cannot run away.
double polish(const Cubic& f, double x) {
    double residual = std::abs(f.value(x));
    for (int step = 0; step < 4 && residual > 0; ++step) {
        const double slope = f.slope(x);
        if (slope == 0 || !std::isfinite(slope))
            break;
        const double next = x - f.value(x) / slope;
        const double nextResidual = std::abs(f.value(next));
        if (!(nextResidual < residual))
            break;
        x = next;
        residual = nextResidual;
    }
    return x;
}

} // namespace

std::vector<double> surfaceVolumeRadiusSquares(double surface, double volume) {
    const Cubic f{kPiSquared, (-surface) * surface, (9 * volume) * volume};
    if (!std::isfinite(f.c) || !std::isfinite(f.d))
        return {};

    // Cardano for the depressed cubic x³ + p·x + q = 0.
    const double p = f.c / f.a;
    const double q = f.d / f.a;
    if (!(p < 0) || !std::isfinite(p) || !std::isfinite(q))
        return {};

    // With p < 0 and q > 0 the roots are real when (q/2)² + (p/3)³ ≤ 0,
    // that is when cos(3θ) = (3q / 2p)·sqrt(−3/p) lies in [−1, 1]; then two
    // of them are positive. Otherwise the one real root is negative.
    const double m = 2 * std::sqrt(-p / 3);
    const double cos3theta = ((3 * q) / (2 * p)) * std::sqrt(-3 / p);
    // A few units of rounding beyond −1 is the double root itself.
    constexpr double slack = 8 * std::numeric_limits<double>::epsilon();
    if (!(cos3theta >= -1 - slack))
        return {};
    const double theta = std::acos(std::clamp(cos3theta, -1.0, 1.0)) / 3;
    // The angle of the trigonometric form is geometry of the unit circle,
    // not a cone formula, so it takes the true value of pi.
    constexpr double third = 2 * std::numbers::pi / 3;

    std::vector<double> roots;
    for (double x : {m * std::cos(theta), m * std::cos(theta - third)}) {
        x = polish(f, x);
        if (x > 0 && std::isfinite(x))
            roots.push_back(x);
    }
    std::sort(roots.begin(), roots.end(), std::greater<>());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

} // namespace velmora::detail
