// Every control's place and size in logical pixels, and the window's size.
#include "window_test_support.h"

#include "window_placement.h"
#include "table_rows.h"

#include <QGroupBox>
#include <QRect>
#include <QScreen>
#include <QTest>

#include <cstdlib>
#include <string>

namespace velmora::test {
namespace {

struct ExpectedPlace {
    const char* name;
    int index;
    bool inFrame; // positioned from Frame1's top-left corner
    int left;
    int top;
    int width;
    int height;
};

// The pixel column of the layout at 96 dots per inch, written out on its own.
// clang-format off
constexpr ExpectedPlace kExpectedPlaces[] = {
    // name      index  in frame  left  top  width height
    {"Label1",   0,     false,     16,    0,  449,   25},
    {"Label1",   1,     false,      8,   40,   89,   25},
    {"List1",    0,     false,      8,   64,   89,   99},
    {"Frame1",   0,     false,    104,   32,  161,  153},
    {"Check1",   0,     true,       8,   24,   41,   27},
    {"Text2",    0,     true,      56,   24,   89,   27},
    {"Check1",   1,     true,       8,   48,   41,   27},
    {"Text2",    1,     true,      56,   48,   89,   27},
    {"Check1",   2,     true,       8,   72,   41,   27},
    {"Text2",    2,     true,      56,   72,   89,   27},
    {"Check1",   3,     true,       8,   96,   41,   27},
    {"Text2",    3,     true,      56,   96,   89,   27},
    {"Check1",   4,     true,       8,  120,   41,   27},
    {"Text2",    4,     true,      56,  120,   89,   27},
    {"Picture1", 0,     false,    312,   40,  141,  166},
    {"Command1", 0,     false,     16,  192,   89,   25},
    {"Command1", 1,     false,    144,  192,   89,   25},
    {"Text1",    0,     false,      8,  232,  457,  185},
    {"Text1",    1,     false,     40,  312,  449,  121},
};
// clang-format on

class ControlPlaceTest : public WindowTest, public ::testing::WithParamInterface<ExpectedPlace> {};

TEST_P(ControlPlaceTest, SitsAtItsPlaceInItsContainer) {
    const ExpectedPlace& e = GetParam();
    QWidget* widget = member(*window, e.name, e.index);
    ASSERT_NE(widget, nullptr);
    const QWidget* container = e.inFrame ? static_cast<QWidget*>(window->Frame1) : window.get();
    EXPECT_EQ(widget->parentWidget(), container);
    EXPECT_EQ(widget->geometry(), QRect(e.left, e.top, e.width, e.height));

    // Showing the window changes nothing.
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(widget->geometry(), QRect(e.left, e.top, e.width, e.height));
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlPlaceTest, ::testing::ValuesIn(kExpectedPlaces),
                         [](const ::testing::TestParamInfo<ExpectedPlace>& info) {
                             return std::string(info.param.name) + std::to_string(info.param.index);
                         });

TEST_F(WindowTest, HasNineteenControls) {
    int count = 0;
    for (const ExpectedPlace& e : kExpectedPlaces)
        count += member(*window, e.name, e.index) != nullptr ? 1 : 0;
    EXPECT_EQ(count, 19);
    // Nine in the window, ten in the frame, nothing else.
    EXPECT_EQ(window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 9);
    EXPECT_EQ(window->Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 10);
}

TEST_F(WindowTest, ClientAreaIsFixedAt481By424) {
    EXPECT_EQ(window->size(), QSize(481, 424));
    EXPECT_EQ(window->minimumSize(), QSize(481, 424));
    EXPECT_EQ(window->maximumSize(), QSize(481, 424));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->size(), QSize(481, 424));
    window->resize(600, 500);
    EXPECT_EQ(window->size(), QSize(481, 424));
}

TEST_F(WindowTest, OpensCentredOnTheScreen) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QRect screen = window->screen()->availableGeometry();
    const QPoint offset = window->frameGeometry().center() - screen.center();
    EXPECT_LE(std::abs(offset.x()), 1) << offset.x();
    EXPECT_LE(std::abs(offset.y()), 1) << offset.y();
}

// Where the frame goes on screens of several sizes: centred where it fits;
// where it does not (a small screen, a large scale factor), its top and left
// edges stay on the screen, so the title bar and Close can be reached.
struct FramePlacement {
    const char* name;
    QRect available;
    QSize frame;
    QPoint expected;
};

class FramePlacementTest : public ::testing::TestWithParam<FramePlacement> {};

TEST_P(FramePlacementTest, KeepsTheTitleBarOnTheScreen) {
    const FramePlacement& p = GetParam();
    EXPECT_EQ(centredFramePosition(p.available, p.frame), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FramePlacementTest,
    ::testing::Values(
        FramePlacement{"Fits", QRect(0, 0, 1024, 768), QSize(489, 451), QPoint(267, 158)},
        FramePlacement{"FitsBelowAPanel", QRect(0, 32, 1024, 736), QSize(489, 451),
                       QPoint(267, 174)},
        // 800x600 at a scale of 1.5 is 533x400 logical pixels.
        FramePlacement{"TallerThanTheScreen", QRect(0, 0, 533, 400), QSize(489, 451),
                       QPoint(22, 0)},
        FramePlacement{"TallerThanTheSpaceBelowAPanel", QRect(0, 27, 683, 357), QSize(489, 451),
                       QPoint(97, 27)},
        FramePlacement{"WiderThanTheScreen", QRect(0, 0, 400, 700), QSize(489, 451),
                       QPoint(0, 124)},
        FramePlacement{"SecondScreen", QRect(1024, 0, 533, 400), QSize(489, 451), QPoint(1046, 0)}),
    RowName{});

TEST_F(WindowTest, KeepsAPlaceGivenBeforeItIsShown) {
    window->move(10, 20);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->pos(), QPoint(10, 20));
}

} // namespace
} // namespace velmora::test
