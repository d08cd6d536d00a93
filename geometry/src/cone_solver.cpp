#include "velmora/cone_solver.h"

#include "checked_arithmetic.h"
#include "slant_volume_cones.h"
#include "surface_volume_cones.h"
#include "velmora/constants.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace velmora {
namespace {

using detail::CheckedArithmetic;
using Q = ConeQuantity;

// Each formula below is evaluated one double operation at a time in the
// order the parentheses show, so results are the same bits on every
// machine and every build: the window, the tests and the bench agree.

double lateralSurface(double r, double l) {
    return (kPi * r) * l;
}
double volume(double r, double h) {
    return (((kPi * r) * r) * h) / 3;
}
double legFrom(CheckedArithmetic& c, double hyp, double leg) {
    return c.root(hyp * hyp - leg * leg);
}
double hypotenuse(CheckedArithmetic& c, double a, double b) {
    return c.root(a * a + b * b);
}

// The radius from height and lateral surface: the positive root t = R² of
// π²·t² + π²·H²·t − S² = 0. The textbook form ((−H)·H + w)/2 subtracts two
// nearly equal numbers when S is small against H·H and then loses the root
// (even to a negative t). There the same root is computed without the
// subtraction, as t = (S²·4/π²) / (2·(H·H + w)).
double radiusFromHeightSurface(CheckedArithmetic& c, double h, double s) {
    const double h4 = ((h * h) * h) * h;
    const double s4 = (4 * s) * s;
    const double quotient = s4 / kPiSquared;
    const double w = c.root(h4 + quotient);
    const double hh = h * h;
    const double t = w < 2 * hh ? quotient / (2 * (hh + w)) : ((-h) * h + w) / 2;
    return c.root(t);
}

using Formula = void (*)(CheckedArithmetic&, ConeValues&);

// Fills in the three missing quantities of `v` from its two given ones, for
// every pair up to the two where two cones can share the given values.
constexpr Formula kFormulas[] = {
    // 0: R, L
    [](CheckedArithmetic& c, ConeValues& v) {
        v[Q::H] = legFrom(c, v[Q::L], v[Q::R]);
        v[Q::S] = lateralSurface(v[Q::R], v[Q::L]);
        v[Q::V] = volume(v[Q::R], v[Q::H]);
    },
    // 1: R, H
    [](CheckedArithmetic& c, ConeValues& v) {
        v[Q::L] = hypotenuse(c, v[Q::R], v[Q::H]);
        v[Q::S] = lateralSurface(v[Q::R], v[Q::L]);
        v[Q::V] = volume(v[Q::R], v[Q::H]);
    },
    // 2: R, S
    [](CheckedArithmetic& c, ConeValues& v) {
        v[Q::L] = c.divide(v[Q::S], kPi * v[Q::R]);
        v[Q::H] = legFrom(c, v[Q::L], v[Q::R]);
        v[Q::V] = volume(v[Q::R], v[Q::H]);
    },
    // 3: R, V
    [](CheckedArithmetic& c, ConeValues& v) {
        v[Q::H] = c.divide(3 * v[Q::V], (kPi * v[Q::R]) * v[Q::R]);
        v[Q::L] = hypotenuse(c, v[Q::R], v[Q::H]);
        v[Q::S] = lateralSurface(v[Q::R], v[Q::L]);
    },
    // 4: L, H
    [](CheckedArithmetic& c, ConeValues& v) {
        v[Q::R] = legFrom(c, v[Q::L], v[Q::H]);
        v[Q::S] = lateralSurface(v[Q::R], v[Q::L]);
        v[Q::V] = volume(v[Q::R], v[Q::H]);
    },
    // 5: L, S
    [](CheckedArithmetic& c, ConeValues& v) {
        v[Q::R] = c.divide(v[Q::S], kPi * v[Q::L]);
        v[Q::H] = legFrom(c, v[Q::L], v[Q::R]);
        v[Q::V] = volume(v[Q::R], v[Q::H]);
    },
    // 6: H, S
    [](CheckedArithmetic& c, ConeValues& v) {
        v[Q::R] = radiusFromHeightSurface(c, v[Q::H], v[Q::S]);
        v[Q::L] = hypotenuse(c, v[Q::H], v[Q::R]);
        v[Q::V] = volume(v[Q::R], v[Q::H]);
    },
    // 7: H, V
    [](CheckedArithmetic& c, ConeValues& v) {
        v[Q::R] = c.root(c.divide(3 * v[Q::V], kPi * v[Q::H]));
        v[Q::L] = hypotenuse(c, v[Q::H], v[Q::R]);
        v[Q::S] = lateralSurface(v[Q::R], v[Q::L]);
    },
};

bool allFinite(const ConeValues& v) {
    for (double x : v.bySlot)
        if (!std::isfinite(x))
            return false;
    return true;
}

SolveResult finish(const CheckedArithmetic& c, const ConeValues& v) {
    if (c.failure() != SolveFailure::None)
        return {c.failure(), {}};
    // Infinities come from overflow; NaN from an infinity meeting another
    // one or a zero, so it too is an overflow.
    if (!allFinite(v))
        return {SolveFailure::Overflow, {}};
    return {SolveFailure::None, v};
}

// Every cone for the given values; `failure` tells why there is none.
struct Candidates {
    SolveFailure failure = SolveFailure::None;
    std::vector<ConeValues> cones;
};

// The two cones of the pairs where there can be two, by pair number.
struct TwoConeFormula {
    int number;
    std::vector<ConeValues> (*cones)(double first, double second);
};

constexpr TwoConeFormula kTwoConeFormulas[] = {
    {kSurfaceVolumePair.number, detail::surfaceVolumeCones},
    {kSlantVolumePair.number, detail::slantVolumeCones},
};

static_assert(std::size(kFormulas) + std::size(kTwoConeFormulas) == kListedPairs.size());
static_assert(std::ranges::equal(kTwoConeFormulas, kTwoConePairs, {}, &TwoConeFormula::number,
                                 &TwoConePair::number));

// The cones that can be shown, the larger radius first, one where both
// have the same radius. A cone whose values leave the double range (the
// needle of a tiny V, the surface of a huge flat cone) is not one of them.
Candidates showable(std::vector<ConeValues> cones) {
    if (cones.empty())
        return {SolveFailure::NoCone, {}};
    std::ranges::stable_sort(
        cones, [](const ConeValues& a, const ConeValues& b) { return a[Q::R] > b[Q::R]; });
    if (cones.size() == 2 && cones[1][Q::R] == cones[0][Q::R])
        cones.pop_back();
    std::erase_if(cones, [](const ConeValues& c) { return !allFinite(c); });
    if (cones.empty()) // there is a cone, beyond the double range
        return {SolveFailure::Overflow, {}};
    return {SolveFailure::None, std::move(cones)};
}

Candidates candidates(int pairNumber, double first, double second) {
    const auto pair = findPair(pairNumber);
    if (!pair)
        return {SolveFailure::UnknownPair, {}};
    if (!std::isfinite(first) || !std::isfinite(second))
        return {SolveFailure::OutOfRange, {}};

    for (const TwoConeFormula& two : kTwoConeFormulas)
        if (two.number == pairNumber)
            return showable(two.cones(first, second));

    ConeValues given;
    given[pair->first] = first;
    given[pair->second] = second;
    CheckedArithmetic c;
    kFormulas[pairNumber](c, given);
    const SolveResult r = finish(c, given);
    if (!r.ok())
        return {r.failure, {}};
    return {SolveFailure::None, {r.values}};
}

} // namespace

SolveResult ConeSolver::solve(int pair, double first, double second) const {
    Candidates all = candidates(pair, first, second);
    if (all.cones.empty())
        return {all.failure, {}};
    return {SolveFailure::None, all.cones.front()};
}

std::vector<ConeValues> ConeSolver::solveAll(int pair, double first, double second) const {
    return candidates(pair, first, second).cones;
}

std::vector<ConeValues> ConeSolver::solveAll(int pair, double first, double second,
                                             SolveFailure& failure) const {
    Candidates all = candidates(pair, first, second);
    failure = all.failure;
    return std::move(all.cones);
}

} // namespace velmora
