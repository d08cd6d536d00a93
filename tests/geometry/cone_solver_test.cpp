#include "velmora/cone_solver.h"
#include "velmora/constants.h"

#include "table_rows.h"
#include "ulps.h"

#include <gtest/gtest.h>

#include <ostream>

#include <bit>
#include <cmath>
#include <limits>

namespace {

using namespace velmora;
using velmora::test::ulpsBetween;
using Q = ConeQuantity;

std::uint64_t bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

// Known cones, bit for bit: the order of the operations in each formula
// fixes the last bits, and they decide the seventh decimal shown where a
// result lies on a rounding boundary, and whether a cone at the limit is flat
// or no cone at all.
struct ExactCase {
    int pair;
    double first, second;
    double r, l, h, s, v;
};
void PrintTo(const ExactCase& c, std::ostream* out) {
    *out << "pair " << c.pair << " (" << c.first << ", " << c.second << ")";
}

class SolverExactResults : public ::testing::TestWithParam<ExactCase> {};

TEST_P(SolverExactResults, GivesTheseBits) {
    const ExactCase c = GetParam();
    const SolveResult result = ConeSolver{}.solve(c.pair, c.first, c.second);
    ASSERT_TRUE(result.ok()) << static_cast<int>(result.failure);
    const double expected[] = {c.r, c.l, c.h, c.s, c.v};
    for (std::size_t i = 0; i < kQuantityCount; ++i)
        EXPECT_EQ(bits(result.values.bySlot[i]), bits(expected[i]))
            << "slot " << i << ": " << result.values.bySlot[i] << " vs " << expected[i];
}

constexpr double k15Pi = 47.12388980384685;
constexpr double k12Pi = 37.69911184307748;

INSTANTIATE_TEST_SUITE_P(KnownCones, SolverExactResults,
                         ::testing::Values(ExactCase{0, 3, 5, 3, 5, 4, k15Pi, k12Pi},
                                           ExactCase{1, 3, 4, 3, 5, 4, k15Pi, k12Pi},
                                           ExactCase{2, 3, k15Pi, 3, 5, 4, k15Pi, k12Pi},
                                           ExactCase{3, 3, k12Pi, 3, 5, 4, k15Pi, k12Pi},
                                           ExactCase{4, 5, 4, 3, 5, 4, k15Pi, k12Pi},
                                           ExactCase{5, 5, k15Pi, 3, 5, 4, k15Pi, k12Pi},
                                           ExactCase{6, 4, k15Pi, 3, 5, 4, k15Pi, k12Pi},
                                           // One unit in the last place above 3: the division
                                           // by pi does not come out exact.
                                           ExactCase{7, 4, k12Pi, 3.0000000000000004, 5, 4,
                                                     47.123889803846865, k12Pi},
                                           // At the limit: a radicand of exactly 0 is a flat cone.
                                           ExactCase{0, 5, 5, 5, 5, 0, 78.539816339744746, 0},
                                           ExactCase{4, 5, 5, 0, 5, 5, 0, 0}));

struct FailureCase {
    const char* name;
    int pair;
    double first, second;
    SolveFailure failure;
};

class SolverFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SolverFailures, ReportTheirKind) {
    const FailureCase c = GetParam();
    const SolveResult result = ConeSolver{}.solve(c.pair, c.first, c.second);
    EXPECT_EQ(result.failure, c.failure) << c.name;
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(ConeSolver{}.solveAll(c.pair, c.first, c.second).empty());
    SolveFailure why = SolveFailure::None;
    EXPECT_TRUE(ConeSolver{}.solveAll(c.pair, c.first, c.second, why).empty());
    EXPECT_EQ(why, c.failure);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    AtTheLimits, SolverFailures,
    ::testing::Values(
        FailureCase{"L below R", 0, 5, 4, SolveFailure::NoCone},
        FailureCase{"L one ulp below R", 0, 5, std::nextafter(5.0, 0.0), SolveFailure::NoCone},
        FailureCase{"S below pi R^2", 2, 1, 3.14, SolveFailure::NoCone},
        FailureCase{"H above L", 4, 4, 5, SolveFailure::NoCone},
        FailureCase{"S above pi L^2", 5, 1, 3.15, SolveFailure::NoCone},
        FailureCase{"S and V of no cone", 8, 1, 100, SolveFailure::NoCone},
        FailureCase{"R L squares overflow", 0, 1e200, 1e200, SolveFailure::Overflow},
        FailureCase{"R H squares overflow", 1, 1e200, 1, SolveFailure::Overflow},
        FailureCase{"3 V overflows", 3, 1, 1e308, SolveFailure::Overflow},
        FailureCase{"H^4 overflows", 6, 1e200, 1, SolveFailure::Overflow},
        FailureCase{"H V radius overflows", 7, 1e-300, 1e300, SolveFailure::Overflow},
        FailureCase{"V beyond every cone of S", 8, 1, 1e200, SolveFailure::NoCone},
        FailureCase{"V beyond every cone of L", 9, 1, 0.41, SolveFailure::NoCone},
        // Eight and nine units above the largest volume, more than rounding
        // explains: the cone of the double root would break L² = R² + H².
        FailureCase{"V a hair above the largest of S", 8, 6405.2975022904575, 59811.793411390136,
                    SolveFailure::NoCone},
        FailureCase{"V a hair above the largest of L", 9, 1, 0.40306652538538185,
                    SolveFailure::NoCone},
        FailureCase{"L V cones beyond the double range", 9, 1e308, 1.7e308, SolveFailure::Overflow},
        FailureCase{"pi R R underflows", 3, 1e-200, 1, SolveFailure::DivisorUnderflow},
        // Below the normal range a divisor has lost digits, and the quotient
        // shows them wrong (H from its seventh digit, 1e-160 and 1e-300 from
        // its fourth).
        FailureCase{"pi R R subnormal", 3, 2.5565946087023027e-159, 1.6e-299,
                    SolveFailure::DivisorUnderflow},
        FailureCase{"pi H subnormal", 7, 1e-320, 1e-300, SolveFailure::DivisorUnderflow},
        FailureCase{"pi R subnormal", 2, 1e-320, 1e-170, SolveFailure::DivisorUnderflow},
        FailureCase{"infinite given", 0, kInf, 1, SolveFailure::OutOfRange},
        FailureCase{"NaN given", 1, 1, kNaN, SolveFailure::OutOfRange},
        FailureCase{"no such pair", 10, 1, 1, SolveFailure::UnknownPair},
        FailureCase{"negative pair", -1, 1, 1, SolveFailure::UnknownPair}));

// A cone from its radius and height, computed in plain double arithmetic.
ConeValues coneOf(double r, double h) {
    ConeValues c;
    c[Q::R] = r;
    c[Q::H] = h;
    c[Q::L] = std::sqrt(r * r + h * h);
    c[Q::S] = kPi * r * c[Q::L];
    c[Q::V] = kPi * r * r * h / 3;
    return c;
}

struct RecoverCase {
    double r, h;
};
void PrintTo(const RecoverCase& c, std::ostream* out) {
    *out << "R=" << c.r << " H=" << c.h;
}

class SolverRecoversCones : public ::testing::TestWithParam<RecoverCase> {};

// Every listed pair, fed two quantities of a known cone, gives back the
// other three within a few units in the last place, and the given two bit
// for bit. The cones are well away from a flat or needle shape, where
// the formulas' own cancellation would dominate.
TEST_P(SolverRecoversCones, FromEveryListedPair) {
    const ConeValues cone = coneOf(GetParam().r, GetParam().h);
    for (const GivenPair& pair : kListedPairs) {
        if (findTwoConePair(pair.number))
            continue; // two cones share the given values: two_cone_pairs_test.cpp
        const SolveResult result =
            ConeSolver{}.solve(pair.number, cone[pair.first], cone[pair.second]);
        ASSERT_TRUE(result.ok()) << pair.label;
        for (const auto& q : kQuantities) {
            if (pair.isGiven(q.quantity))
                EXPECT_EQ(bits(result.values[q.quantity]), bits(cone[q.quantity]));
            else
                EXPECT_LE(ulpsBetween(result.values[q.quantity], cone[q.quantity]), 6u)
                    << pair.label << " " << q.symbol << ": " << result.values[q.quantity] << " vs "
                    << cone[q.quantity];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, SolverRecoversCones,
                         ::testing::Values(RecoverCase{3, 4}, RecoverCase{1, 1},
                                           RecoverCase{0.125, 0.3}, RecoverCase{12.5, 7.25},
                                           RecoverCase{1234.5, 2000}, RecoverCase{0.001, 0.0015},
                                           RecoverCase{9999999, 7654321}));

// Tall, thin cones: t = (−H·H + w)/2 cancels to nothing when S is small
// against H², and the radius must still follow S = π·R·L closely.
TEST(SolverHeightSurface, SmallSurfaceAgainstHeightStillGivesTheCone) {
    const SolveResult result = ConeSolver{}.solve(6, 93.02, 0.0001);
    ASSERT_TRUE(result.ok());
    const double r = result.values[Q::R];
    EXPECT_NEAR(r, 3.42195e-7, 1e-12);
    EXPECT_LE(ulpsBetween((kPi * r) * result.values[Q::L], 0.0001), 4u);
}

} // namespace
