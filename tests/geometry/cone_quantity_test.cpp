#include "velmora/cone_quantity.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

using namespace velmora;

// symbolOf() and the window's rows look a quantity up by its slot.
TEST(ConeQuantity, TableIsInSlotOrder) {
    for (std::size_t i = 0; i < kQuantityCount; ++i)
        EXPECT_EQ(slotOf(kQuantities[i].quantity), static_cast<int>(i)) << kQuantities[i].symbol;
}

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

TEST(GivenPair, NumbersOutsideTheTablesNameNoPair) {
    for (int n : {-1, 10, 11, 1000})
        EXPECT_FALSE(findPair(n).has_value()) << n;
}

} // namespace
