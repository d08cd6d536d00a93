#include "velmora/cone_quantity.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

using namespace velmora;

// A row of the list written by hand can contradict itself: its number is
// what the solver and findPair() go by, its label what the user reads, and
// its two quantities the fields the window opens for typing.
TEST(GivenPair, EachEntryIsNumberedByItsPlaceAndLabelledWithItsTwoQuantities) {
    std::set<std::pair<ConeQuantity, ConeQuantity>> offered;
    for (std::size_t i = 0; i < kListedPairs.size(); ++i) {
        const GivenPair& pair = kListedPairs[i];
        SCOPED_TRACE(std::string(pair.label));
        EXPECT_EQ(pair.number, static_cast<int>(i));
        EXPECT_LT(slotOf(pair.first), slotOf(pair.second));
        EXPECT_EQ(std::string(pair.label),
                  std::string(symbolOf(pair.first)) + " " + std::string(symbolOf(pair.second)));
        EXPECT_TRUE(offered.insert({pair.first, pair.second}).second) << "offered twice";
    }
}

} // namespace
