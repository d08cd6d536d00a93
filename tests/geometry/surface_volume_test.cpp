#include "velmora/cone_solver.h"
#include "velmora/constants.h"

#include "ulps.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using namespace velmora;
using velmora::test::ulpsBetween;
using Q = ConeQuantity;

constexpr int kSurfaceVolume = 8;
constexpr double kInf = std::numeric_limits<double>::infinity();

// Two cones that share their lateral surface and volume: (r1, h1) is the
// one with the larger radius. Computed with long double so that the given
// S and V are the doubles nearest to the exact values of the pair.
struct TwinCones {
    double r1, h1;
};
void PrintTo(const TwinCones& c, std::ostream* out) {
    *out << "R=" << c.r1 << " H=" << c.h1;
}

struct Cone {
    long double r, h;
    long double l() const { return std::sqrt(r * r + h * h); }
};

// For S and V of cone (r, h), the other root of π²x³ − S²x + 9V² = 0 is
// found from x1 + x2 + x3 = 0 and x1·x2·x3 = −9V²/π² (x3 negative).
Cone twinOf(Cone c) {
    const long double pi = kPi;
    const long double v = pi * c.r * c.r * c.h / 3;
    const long double x1 = c.r * c.r;
    // x2 and x3 solve x² + x1·x − 9V²/(π²·x1) = 0; the positive root is
    // taken in the form that subtracts nothing.
    const long double q = 9 * v * v / (pi * pi * x1);
    const long double x2 = 2 * q / (x1 + std::sqrt(x1 * x1 + 4 * q));
    const long double r2 = std::sqrt(x2);
    return {r2, 3 * v / (pi * r2 * r2)};
}

class SurfaceVolumeCones : public ::testing::TestWithParam<TwinCones> {};

TEST_P(SurfaceVolumeCones, BothConesAreFoundLargerRadiusFirst) {
    const Cone wide{GetParam().r1, GetParam().h1};
    const Cone tall = twinOf(wide);
    ASSERT_GT(wide.r, tall.r);
    const long double pi = kPi;
    const double s = static_cast<double>(pi * wide.r * wide.l());
    const double v = static_cast<double>(pi * wide.r * wide.r * wide.h / 3);

    const auto cones = ConeSolver{}.solveAll(kSurfaceVolume, s, v);
    ASSERT_EQ(cones.size(), 2u);
    const Cone expected[] = {wide, tall};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_LE(ulpsBetween(cones[i][Q::R], static_cast<double>(expected[i].r)), 4u)
            << cones[i][Q::R] << " vs " << static_cast<double>(expected[i].r);
        EXPECT_LE(ulpsBetween(cones[i][Q::H], static_cast<double>(expected[i].h)), 8u);
        EXPECT_LE(ulpsBetween(cones[i][Q::L], static_cast<double>(expected[i].l())), 8u);
        EXPECT_EQ(cones[i][Q::S], s);
        EXPECT_EQ(cones[i][Q::V], v);
    }
    // solve gives the larger radius.
    const SolveResult one = ConeSolver{}.solve(kSurfaceVolume, s, v);
    ASSERT_TRUE(one.ok());
    EXPECT_EQ(one.values, cones[0]);
}

// Cones well away from H² = 2R², where the two cones merge into one and
// the radius becomes sensitive to the last digit of S and V.
INSTANTIATE_TEST_SUITE_P(Shapes, SurfaceVolumeCones,
                         ::testing::Values(TwinCones{3, 1}, TwinCones{5, 2}, TwinCones{10, 1},
                                           TwinCones{0.01, 0.002}, TwinCones{2500, 400},
                                           TwinCones{1, 0.05}, TwinCones{1e100, 3e99},
                                           TwinCones{1e-100, 2e-101}, TwinCones{5.6e54, 3e-9},
                                           TwinCones{1e-15, 1e-140}, TwinCones{1e60, 1e-60}));

TEST(SurfaceVolumeCones, AtTheDoubleRootThereIsOneCone) {
    // H² = 2R²: the two cones are the same one.
    const double r = 2, h = 2 * std::sqrt(2.0);
    const double l = std::sqrt(r * r + h * h);
    const auto cones = ConeSolver{}.solveAll(kSurfaceVolume, kPi * r * l, kPi * r * r * h / 3);
    ASSERT_FALSE(cones.empty());
    for (const auto& c : cones)
        EXPECT_NEAR(c[Q::R], r, 1e-6);
}

class LargestVolume : public ::testing::TestWithParam<double> {};

// The largest volume of a surface is the one where the two cones meet:
// a little more has no cone, a little less has two.
TEST_P(LargestVolume, SeparatesTwoConesFromNone) {
    const double s = GetParam();
    const ConeValues top = largestVolumeCone(s);
    EXPECT_EQ(top[Q::S], s);
    EXPECT_NEAR(top[Q::H] / top[Q::R], std::sqrt(2.0), 1e-15);
    EXPECT_LE(ulpsBetween(kPi * top[Q::R] * top[Q::L], s), 4u);
    EXPECT_EQ(ConeSolver{}.solve(kSurfaceVolume, s, top[Q::V] * (1 + 1e-9)).failure,
              SolveFailure::NoCone);
    const auto below = ConeSolver{}.solveAll(kSurfaceVolume, s, top[Q::V] * (1 - 1e-9));
    ASSERT_EQ(below.size(), 2u);
    EXPECT_GT(below[0][Q::R], top[Q::R]);
    EXPECT_LT(below[1][Q::R], top[Q::R]);
}

INSTANTIATE_TEST_SUITE_P(Surfaces, LargestVolume,
                         ::testing::Values(1e-4, 1.0, 47.1238898, 1e6, 1e-200, 1e200));

// Relative distance of a double from a long double, in units of a double's
// epsilon: unlike ulps it stays meaningful below the normal range.
long double relativeError(double got, long double exact) {
    return std::fabs(static_cast<long double>(got) - exact) / std::fabs(exact) /
           std::numeric_limits<double>::epsilon();
}

TEST(LargestVolume, KeepsItsShapeFromTheSmallestSurfaceToTheLargest) {
    EXPECT_EQ(largestVolumeCone(0.0), ConeValues{});
    EXPECT_EQ(largestVolumeCone(kInf)[Q::R], kInf);
    for (double s = std::numeric_limits<double>::denorm_min() * 1e7; std::isfinite(s); s *= 3.7) {
        const ConeValues top = largestVolumeCone(s);
        const long double r = top[Q::R], l = top[Q::L], h = top[Q::H];
        ASSERT_EQ(top[Q::S], s);
        ASSERT_GT(r, 0) << s;
        ASSERT_TRUE(std::isfinite(top[Q::L])) << s;
        EXPECT_LE(relativeError(top[Q::S], kPi * r * l), 4) << s;
        EXPECT_LE(relativeError(top[Q::H], std::sqrt(2.0L) * r), 2) << s;
        EXPECT_LE(relativeError(top[Q::L], std::sqrt(3.0L) * r), 2) << s;
        const long double v = kPi * r * r * h / 3;
        if (v < std::numeric_limits<double>::max() / 2 && v > std::numeric_limits<double>::min()) {
            EXPECT_LE(relativeError(top[Q::V], v), 4) << s;
        }
    }
}

} // namespace
