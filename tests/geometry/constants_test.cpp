#include "velmora/constants.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <numbers>

namespace {

using velmora::kPi;
using velmora::kPiSquared;

TEST(Constants, PiIsWrittenWithFourteenDecimals) {
    EXPECT_EQ(kPi, 3.14159265358979);
}

TEST(Constants, PiIsSevenUlpsBelowTheNearestDouble) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(std::numbers::pi) - std::bit_cast<std::uint64_t>(kPi),
              7u);
}

TEST(Constants, PiSquaredIsTheProduct) {
    EXPECT_EQ(kPiSquared, 9.869604401089338);
    volatile double pi = kPi; // computed at run time, in double precision
    EXPECT_EQ(std::bit_cast<std::uint64_t>(pi * pi), std::bit_cast<std::uint64_t>(kPiSquared));
}

} // namespace
