// The layout table itself: units, names and the orders it fixes.
#include "layout_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace velmora::layout {
namespace {

TEST(LayoutTable, FifteenTwipsToThePixel) {
    EXPECT_EQ(pixels(0), 0);
    EXPECT_EQ(pixels(15), 1);
    EXPECT_EQ(pixels(7215), 481);
    EXPECT_EQ(pixels(6360), 424);
}

TEST(LayoutTable, ControlIds) {
    EXPECT_EQ(controlId(ControlName::Text2, 3), "Text2(3)");
    EXPECT_EQ(controlId(ControlName::List1, 0), "List1(0)");
    EXPECT_EQ(controlId(ControlName::Frame1, 0), "Frame1");
    EXPECT_EQ(controlId(ControlName::Picture1, 0), "Picture1");
}

TEST(LayoutTable, LooksUpControls) {
    const ControlLayout* c = layoutOf(ControlName::Check1, 3);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->top, 1440);
    EXPECT_EQ(c->caption, "S");
    EXPECT_EQ(layoutOf(ControlName::Check1, 5), nullptr);
    EXPECT_EQ(controlNamed("Text2"), ControlName::Text2);
    EXPECT_EQ(controlNamed("Text3"), std::nullopt);
}

TEST(LayoutTable, TabIndicesRunFromZeroToEighteen) {
    std::vector<int> tabs;
    for (const ControlLayout& c : kControls)
        tabs.push_back(c.tabIndex);
    std::sort(tabs.begin(), tabs.end());
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(tabs[static_cast<std::size_t>(i)], i);
}

TEST(LayoutTable, QuantityRowsAreInSlotOrder) {
    for (int slot = 0; slot < 5; ++slot) {
        const ControlLayout& marker = *layoutOf(ControlName::Check1, slot);
        const ControlLayout& value = *layoutOf(ControlName::Text2, slot);
        EXPECT_EQ(marker.top, 360 + 360 * slot);
        EXPECT_EQ(value.top, marker.top);
        EXPECT_EQ(marker.tabIndex + 1, value.tabIndex);
        EXPECT_EQ(marker.container, Container::Frame1);
        EXPECT_EQ(value.container, Container::Frame1);
    }
}

} // namespace
} // namespace velmora::layout
