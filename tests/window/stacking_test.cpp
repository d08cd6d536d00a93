// Which control lies over which: the window's and the frame's stacking order.
#include "window_test_support.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <vector>

namespace velmora::test {
namespace {

// The widget children in stacking order, bottom first (Qt paints them in this order).
std::vector<QWidget*> bottomToTop(QWidget* container) {
    std::vector<QWidget*> widgets;
    for (QObject* child : container->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child))
            widgets.push_back(widget);
    }
    return widgets;
}

TEST_F(WindowTest, WindowStackingOrder) {
    Velmora& w = *window;
    const std::vector<QWidget*> expected = {w.Label1[0],   w.Label1[1],   w.Text1[0],
                                            w.Text1[1],    w.Frame1,      w.List1[0],
                                            w.Command1[0], w.Command1[1], w.Picture1};
    EXPECT_EQ(bottomToTop(window.get()), expected);
}

TEST_F(WindowTest, FrameStackingOrder) {
    Velmora& w = *window;
    const std::vector<QWidget*> expected = {w.Check1[0], w.Text2[0], w.Check1[1], w.Text2[1],
                                            w.Check1[2], w.Text2[2], w.Check1[3], w.Text2[3],
                                            w.Check1[4], w.Text2[4]};
    EXPECT_EQ(bottomToTop(window->Frame1), expected);
}

TEST_F(WindowTest, EachQuantityRowLiesOverTheRowAbove) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QWidget* frame = window->Frame1;
    for (std::size_t row = 1; row < 5; ++row) {
        // Rows are 27 px high and 24 px apart: they share 3 px.
        const int sharedTop = 24 + 24 * static_cast<int>(row);
        for (int y = sharedTop; y < sharedTop + 3; ++y) {
            EXPECT_EQ(frame->childAt(20, y), window->Check1[row]) << "row " << row << " y " << y;
            EXPECT_EQ(frame->childAt(100, y), window->Text2[row]) << "row " << row << " y " << y;
        }
        // Just above the shared strip, the upper row shows.
        EXPECT_EQ(frame->childAt(20, sharedTop - 1), window->Check1[row - 1]);
        EXPECT_EQ(frame->childAt(100, sharedTop - 1), window->Text2[row - 1]);
    }
}

TEST_F(WindowTest, ListLiesOverTheBottomOfItsHeading) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // Label1(1) covers rows 40..64, the list starts at row 64.
    EXPECT_TRUE(isSelfOrInside(window->childAt(50, 64), window->List1[0]))
        << describe(window->childAt(50, 64));
    EXPECT_EQ(window->childAt(50, 63), window->Label1[1]);
}

TEST_F(WindowTest, SayingWouldLieOverTheAssignmentText) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QPoint shared(200, 350);
    EXPECT_TRUE(isSelfOrInside(window->childAt(shared), window->Text1[0]));
    window->Text1[1]->show();
    EXPECT_TRUE(isSelfOrInside(window->childAt(shared), window->Text1[1]))
        << describe(window->childAt(shared));
}

} // namespace
} // namespace velmora::test
