// The window's size and where it opens on the screen.
#include "window_test_support.h"

#include "table_rows.h"
#include "window_placement.h"

#include <QRect>
#include <QScreen>
#include <QTest>

#include <cstdlib>

namespace velmora::test {
namespace {

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
    rowName);

TEST_F(WindowTest, KeepsAPlaceGivenBeforeItIsShown) {
    window->move(10, 20);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->pos(), QPoint(10, 20));
}

} // namespace
} // namespace velmora::test
