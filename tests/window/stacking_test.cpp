// Which control lies over which, seen where controls overlap: the quantity
// rows, the list and its heading, the saying and the assignment.
#include "window_test_support.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

namespace velmora::test {
namespace {

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
