// The two combinations where two cones can share the given values: S and V,
// and L and V.
#include "velmora/cone_solver.h"
#include "velmora/constants.h"

#include "ulps.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using namespace velmora;
using velmora::test::ulpsBetween;
using Q = ConeQuantity;

constexpr int kSurfaceVolume = 8;
constexpr int kSlantVolume = 9;
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Cone {
    long double r, h;
    long double l() const { return std::sqrt(r * r + h * h); }
    long double s() const { return static_cast<long double>(kPi) * r * l(); }
    long double v() const { return static_cast<long double>(kPi) * r * r * h / 3; }
};

// The other cone with the same S and V as `c`: the other root of
// π²x³ − S²x + 9V² = 0 (x = R²), found from x1 + x2 + x3 = 0 and
// x1·x2·x3 = −9V²/π² (x3 negative).
Cone surfaceVolumeTwin(Cone c) {
    const long double pi = kPi;
    const long double v = c.v();
    const long double x1 = c.r * c.r;
    // x2 and x3 solve x² + x1·x − 9V²/(π²·x1) = 0; the positive root is
    // taken in the form that subtracts nothing.
    const long double q = 9 * v * v / (pi * pi * x1);
    const long double x2 = 2 * q / (x1 + std::sqrt(x1 * x1 + 4 * q));
    const long double r2 = std::sqrt(x2);
    return {r2, 3 * v / (pi * r2 * r2)};
}

// The other cone with the same L and V as `c`: t = H/L is a root of
// t³ − t + q = 0, and the other positive root solves t² + t1·t + t1² − 1 = 0,
// with 1 − t1² = R²/L². The same V gives R2² = R²·H/H2.
Cone slantVolumeTwin(Cone c) {
    const long double l = c.l(), t1 = c.h / l;
    const long double t2 = 2 * (c.r / l) * (c.r / l) / (t1 + std::sqrt(4 - 3 * t1 * t1));
    const long double h2 = t2 * l;
    return {std::sqrt(c.r * c.r * c.h / h2), h2};
}

// The two given values of `pair` for cone `c`, rounded to doubles.
std::array<double, 2> givenOf(int pair, Cone c) {
    const long double first = pair == kSurfaceVolume ? c.s() : c.l();
    return {static_cast<double>(first), static_cast<double>(c.v())};
}

// Two cones that share their given values: (r1, h1) is the one with the
// larger radius.
struct TwinCones {
    int pair;
    double r1, h1;
};
void PrintTo(const TwinCones& c, std::ostream* out) {
    *out << "pair " << c.pair << " R=" << c.r1 << " H=" << c.h1;
}

class TwoCones : public ::testing::TestWithParam<TwinCones> {};

TEST_P(TwoCones, BothConesAreFoundLargerRadiusFirst) {
    const int pair = GetParam().pair;
    const Cone wide{GetParam().r1, GetParam().h1};
    const Cone other = pair == kSurfaceVolume ? surfaceVolumeTwin(wide) : slantVolumeTwin(wide);
    ASSERT_GT(wide.r, other.r);
    const auto [first, second] = givenOf(pair, wide);

    const auto cones = ConeSolver{}.solveAll(pair, first, second);
    ASSERT_EQ(cones.size(), 2u);
    // The shape of the cubic that both cones solve, of the given values:
    // 9π·V²/S³ or 3·V/(π·L³).
    const long double pi = kPi, f = first, v = second;
    const long double shape =
        pair == kSurfaceVolume ? 9 * pi * v * v / (f * f * f) : 3 * v / (pi * f * f * f);
    const Cone expected[] = {wide, other};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_LE(ulpsBetween(findTwoConePair(pair)->shapeCubic(cones[i]).shape,
                              static_cast<double>(shape)),
                  4u)
            << "cone " << i;
        const long double exact[] = {expected[i].r, expected[i].l(), expected[i].h, expected[i].s(),
                                     expected[i].v()};
        for (const QuantityInfo& q : kQuantities) {
            const double value = cones[i][q.quantity];
            const double want = static_cast<double>(exact[slotOf(q.quantity)]);
            if (kListedPairs[pair].isGiven(q.quantity))
                EXPECT_EQ(value, q.quantity == Q::V ? second : first) << q.symbol;
            else
                EXPECT_LE(ulpsBetween(value, want), q.quantity == Q::R ? 4u : 8u)
                    << "cone " << i << " " << q.symbol << ": " << value << " vs " << want;
        }
    }
    // solve gives the larger radius.
    const SolveResult one = ConeSolver{}.solve(pair, first, second);
    ASSERT_TRUE(one.ok());
    EXPECT_EQ(one.values, cones[0]);
}

// Cones well away from the double root (S V: H² = 2R², L V: R² = 2H²), where
// the two cones merge into one and become sensitive to the last digit of the
// given values; from the smallest to the largest that the double range holds
// (L V at 1e10 and 1e-320: q, the needle's R² and the flat cone's H lie below
// the normal range, and the needle's R does not).
INSTANTIATE_TEST_SUITE_P(
    Shapes, TwoCones,
    ::testing::Values(TwinCones{8, 3, 1}, TwinCones{8, 10, 1}, TwinCones{8, 0.01, 0.002},
                      TwinCones{8, 2500, 400}, TwinCones{8, 1, 0.05}, TwinCones{8, 1e100, 3e99},
                      TwinCones{8, 1e-100, 2e-101}, TwinCones{8, 5.6e54, 3e-9},
                      TwinCones{8, 1e-15, 1e-140}, TwinCones{8, 1e60, 1e-60}, TwinCones{9, 3, 1},
                      TwinCones{9, 10, 1}, TwinCones{9, 0.01, 0.002}, TwinCones{9, 2500, 400},
                      TwinCones{9, 1, 0.05}, TwinCones{9, 1e100, 3e99},
                      TwinCones{9, 1e-100, 1e-105}, TwinCones{9, 1e150, 1e5},
                      TwinCones{9, 1e-60, 1e-180}, TwinCones{9, 1e10, 1e-320}));

// Where one cone of the given values leaves the double range (S V: the needle
// of a tiny V, L V: the surface of a huge flat cone), the other is the answer.
struct OneShownCone {
    const char* name;
    int pair;
    double first, second;
    double r; // of the cone that can be shown
};
void PrintTo(const OneShownCone& c, std::ostream* out) {
    *out << c.name;
}

class OneConeInRange : public ::testing::TestWithParam<OneShownCone> {};

TEST_P(OneConeInRange, IsTheOneGiven) {
    const OneShownCone& c = GetParam();
    const auto cones = ConeSolver{}.solveAll(c.pair, c.first, c.second);
    ASSERT_EQ(cones.size(), 1u);
    EXPECT_NEAR(cones[0][Q::R] / c.r, 1, 1e-15);
    EXPECT_EQ(ConeSolver{}.solve(c.pair, c.first, c.second).values, cones[0]);
}

INSTANTIATE_TEST_SUITE_P(BeyondTheDoubleRange, OneConeInRange,
                         ::testing::Values(
                             // R = √(S/π): the needle's slant would be 1e319.
                             OneShownCone{"S_V_needle_too_long", 8, 1, 1e-320, 0.56418958354775628},
                             // R = √(3V/(π·L)), H = L: the flat cone's S would be π·1e400.
                             OneShownCone{"L_V_flat_surface_too_large", 9, 1e200, 1e300,
                                          9.7720502380584035e49}));

// The largest volume that the first given value allows.
struct LargestCase {
    int pair;
    double first;
};
void PrintTo(const LargestCase& c, std::ostream* out) {
    *out << "pair " << c.pair << " " << c.first;
}

class LargestVolume : public ::testing::TestWithParam<LargestCase> {};

ConeValues largestOf(int pair, double first) {
    return findTwoConePair(pair)->largestVolumeCone(first);
}

// The largest volume is the one where the two cones meet: a little more has
// no cone, a little less has two, itself one (up to rounding).
TEST_P(LargestVolume, SeparatesTwoConesFromNone) {
    const auto [pair, first] = GetParam();
    const ConeValues top = largestOf(pair, first);
    const Q given = kListedPairs[pair].first;
    EXPECT_EQ(top[given], first);
    // The longer leg is √2 times the shorter: H for S V, R for L V.
    EXPECT_NEAR(std::max(top[Q::H], top[Q::R]) / std::min(top[Q::H], top[Q::R]), std::sqrt(2.0),
                1e-15);
    EXPECT_LE(ulpsBetween(kPi * top[Q::R] * top[Q::L], top[Q::S]), 4u);
    EXPECT_EQ(ConeSolver{}.solve(pair, first, top[Q::V] * (1 + 1e-9)).failure,
              SolveFailure::NoCone);
    const auto below = ConeSolver{}.solveAll(pair, first, top[Q::V] * (1 - 1e-9));
    ASSERT_EQ(below.size(), 2u);
    EXPECT_GT(below[0][Q::R], top[Q::R]);
    EXPECT_LT(below[1][Q::R], top[Q::R]);
    const auto at = ConeSolver{}.solveAll(pair, first, top[Q::V]);
    ASSERT_FALSE(at.empty());
    for (const ConeValues& cone : at)
        EXPECT_NEAR(cone[Q::R] / top[Q::R], 1, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Values, LargestVolume,
                         ::testing::Values(LargestCase{8, 1.0}, LargestCase{8, 47.1238898},
                                           LargestCase{8, 1e-200}, LargestCase{8, 1e200},
                                           LargestCase{9, 1.0}, LargestCase{9, 5.0},
                                           LargestCase{9, 1e-100}, LargestCase{9, 1e100}));

// Relative distance of a double from a long double, in units of a double's
// epsilon: unlike ulps it stays meaningful below the normal range.
long double relativeError(double got, long double exact) {
    return std::fabs(static_cast<long double>(got) - exact) / std::fabs(exact) /
           std::numeric_limits<double>::epsilon();
}

bool inRange(long double x) {
    return x < std::numeric_limits<double>::max() / 2 && x > std::numeric_limits<double>::min();
}

TEST(LargestVolume, KeepsItsShapeFromTheSmallestGivenValueToTheLargest) {
    for (const TwoConePair& two : kTwoConePairs) {
        const Q given = kListedPairs[two.number].first;
        EXPECT_EQ(two.largestVolumeCone(0.0), ConeValues{}) << two.number;
        EXPECT_EQ(two.largestVolumeCone(kInf)[Q::R], kInf) << two.number;
        for (double x = std::numeric_limits<double>::denorm_min() * 1e7; std::isfinite(x);
             x *= 3.7) {
            SCOPED_TRACE(::testing::Message() << "pair " << two.number << ", " << x);
            const ConeValues top = two.largestVolumeCone(x);
            const long double r = top[Q::R], l = top[Q::L], h = top[Q::H];
            ASSERT_EQ(top[given], x);
            ASSERT_GT(r, 0);
            ASSERT_GT(h, 0);
            ASSERT_TRUE(std::isfinite(top[Q::L]));
            // The shorter leg is L/√3, the longer L·√(2/3); with an L below
            // the normal range they are too.
            const long double shorter = l / std::sqrt(3.0L), longer = l * std::sqrt(2 / 3.0L);
            if (inRange(shorter)) {
                EXPECT_LE(relativeError(std::min(top[Q::R], top[Q::H]), shorter), 2);
                EXPECT_LE(relativeError(std::max(top[Q::R], top[Q::H]), longer), 2);
            }
            const long double s = kPi * r * l, v = kPi * r * r * h / 3;
            if (inRange(s)) {
                EXPECT_LE(relativeError(top[Q::S], s), 4);
            }
            if (inRange(v)) {
                EXPECT_LE(relativeError(top[Q::V], v), 4);
            }
        }
    }
}

} // namespace
