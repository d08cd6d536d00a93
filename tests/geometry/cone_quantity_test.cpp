#include "velmora/cone_quantity.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace velmora;

TEST(ConeQuantity, SlotsAndSymbolsInOrder) {
    const char* symbols[] = {"R", "L", "H", "S", "V"};
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        EXPECT_EQ(slotOf(kQuantities[i].quantity), static_cast<int>(i));
        EXPECT_EQ(kQuantities[i].symbol, symbols[i]);
    }
}

struct PairRow {
    int number;
    const char* label;
    int first, second;
};

class GivenPairTable : public ::testing::TestWithParam<PairRow> {};

TEST_P(GivenPairTable, MatchesTheListEntry) {
    const PairRow row = GetParam();
    const auto pair = findPair(row.number);
    ASSERT_TRUE(pair.has_value());
    EXPECT_EQ(pair->number, row.number);
    EXPECT_EQ(pair->label, row.label);
    EXPECT_EQ(slotOf(pair->first), row.first);
    EXPECT_EQ(slotOf(pair->second), row.second);
    // The label is the two symbols, first given first, one blank between.
    EXPECT_EQ(std::string(pair->label),
              std::string(symbolOf(pair->first)) + " " + std::string(symbolOf(pair->second)));
    int given = 0;
    for (const auto& q : kQuantities)
        given += pair->isGiven(q.quantity) ? 1 : 0;
    EXPECT_EQ(given, 2);
}

INSTANTIATE_TEST_SUITE_P(AllCombinations, GivenPairTable,
                         ::testing::Values(PairRow{0, "R L", 0, 1}, PairRow{1, "R H", 0, 2},
                                           PairRow{2, "R S", 0, 3}, PairRow{3, "R V", 0, 4},
                                           PairRow{4, "L H", 1, 2}, PairRow{5, "L S", 1, 3},
                                           PairRow{6, "H S", 2, 3}, PairRow{7, "H V", 2, 4},
                                           PairRow{8, "S V", 3, 4}));

TEST(GivenPair, ListOffersNineDistinctPairsAllButLV) {
    std::set<std::string> labels;
    for (const auto& p : kListedPairs)
        labels.insert(std::string(p.label));
    EXPECT_EQ(labels.size(), 9u);
    EXPECT_EQ(labels.count("L V"), 0u);
    EXPECT_EQ(labels.count("S V"), 1u);
}

TEST(GivenPair, NumbersOutsideTheTablesNameNoPair) {
    for (int n : {-1, 9, 10, 1000})
        EXPECT_FALSE(findPair(n).has_value()) << n;
}

} // namespace
