// Keyboard focus and keys: the Tab order, the initial focus, Enter and Escape,
// and what the read-only boxes let the user do.
#include "window_test_support.h"

#include "table_rows.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <vector>

namespace velmora::test {
namespace {

// The controls that the Tab key visits as built, in order.
std::vector<QWidget*> expectedTabStops(Velmora& w) {
    return {w.Text1[0], w.Text2[0], w.Text2[1],    w.Text2[2],    w.Text2[3],
            w.Text2[4], w.List1[0], w.Command1[0], w.Command1[1], w.Picture1};
}

TEST_F(WindowTest, TabVisitsTheControlsInTabIndexOrder) {
    showActive();
    const std::vector<QWidget*> stops = expectedTabStops(*window);
    ASSERT_EQ(QApplication::focusWidget(), stops.front());
    // Twice round, to see it wrap from Picture1 back to Text1(0).
    for (std::size_t step = 1; step <= 2 * stops.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), stops[step % stops.size()])
            << "after Tab " << step << ": " << describe(QApplication::focusWidget());
    }
}

TEST_F(WindowTest, ShiftTabVisitsThemBackwards) {
    showActive();
    const std::vector<QWidget*> stops = expectedTabStops(*window);
    for (std::size_t step = 1; step <= stops.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), stops[(stops.size() - step) % stops.size()])
            << "after Shift+Tab " << step << ": " << describe(QApplication::focusWidget());
    }
}

// Which button a key presses where the focus is: the focused button takes
// Enter, keypad Enter and Space; elsewhere Enter presses nothing (neither
// button is the default) and Escape presses nothing anywhere.
struct KeyPress {
    const char* name;
    int focusStop; // index into expectedTabStops
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int calculateClicks;
    int clearClicks;
};

class KeyOnFocusedControl : public WindowTest, public ::testing::WithParamInterface<KeyPress> {};

TEST_P(KeyOnFocusedControl, PressesOnlyTheFocusedButton) {
    const KeyPress& k = GetParam();
    showActive();
    QSignalSpy calculate(window->Command1[0], &QPushButton::clicked);
    QSignalSpy clear(window->Command1[1], &QPushButton::clicked);
    QWidget* stop = expectedTabStops(*window).at(static_cast<std::size_t>(k.focusStop));
    stop->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), stop);
    QTest::keyClick(stop, k.key, k.modifiers);
    EXPECT_EQ(calculate.count(), k.calculateClicks);
    EXPECT_EQ(clear.count(), k.clearClicks);
    EXPECT_TRUE(window->isVisible()); // Escape does not close the window either
}

constexpr int kCalculateStop = 7;
constexpr int kClearStop = 8;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyOnFocusedControl,
    ::testing::Values(
        KeyPress{"ReturnOnCalculate", kCalculateStop, Qt::Key_Return, Qt::NoModifier, 1, 0},
        KeyPress{"KeypadEnterOnCalculate", kCalculateStop, Qt::Key_Enter, Qt::KeypadModifier, 1, 0},
        KeyPress{"SpaceOnCalculate", kCalculateStop, Qt::Key_Space, Qt::NoModifier, 1, 0},
        KeyPress{"ReturnOnClear", kClearStop, Qt::Key_Return, Qt::NoModifier, 0, 1},
        KeyPress{"CtrlReturnOnCalculate", kCalculateStop, Qt::Key_Return, Qt::ControlModifier, 0,
                 0},
        KeyPress{"EscapeOnCalculate", kCalculateStop, Qt::Key_Escape, Qt::NoModifier, 0, 0},
        KeyPress{"ReturnInAssignment", 0, Qt::Key_Return, Qt::NoModifier, 0, 0},
        KeyPress{"ReturnInR", 1, Qt::Key_Return, Qt::NoModifier, 0, 0},
        KeyPress{"ReturnInLockedH", 3, Qt::Key_Return, Qt::NoModifier, 0, 0},
        KeyPress{"ReturnInList", 6, Qt::Key_Return, Qt::NoModifier, 0, 0},
        KeyPress{"ReturnOnPicture", 9, Qt::Key_Return, Qt::NoModifier, 0, 0}),
    rowName);

// Every Tab stop shows that it has the focus: a caret in a value field,
// locked or not, a focus rectangle on the buttons, the list and the
// picture, a caret in the assignment.
TEST_F(WindowTest, EveryTabStopShowsItHasTheFocus) {
    showActive();
    const std::vector<QWidget*> stops = expectedTabStops(*window);
    for (std::size_t i = 0; i < stops.size(); ++i) {
        QWidget* stop = stops[i];
        // The focus elsewhere: on the next stop round the chain.
        stops[(i + 1) % stops.size()]->setFocus(Qt::TabFocusReason);
        const QImage without = stop->grab().toImage();
        stop->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), stop);
        const QImage with = stop->grab().toImage();
        EXPECT_NE(with, without) << "no sign of the focus on " << describe(stop);
    }
}

TEST_F(WindowTest, AssignmentTextCannotBeChanged) {
    showActive();
    QPlainTextEdit* text = window->Text1[0];
    const QString before = text->toPlainText();
    QTest::keyClicks(text, QStringLiteral("abc"));
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->toPlainText(), before);
}

TEST_F(WindowTest, AssignmentTextCanBeSelectedAndCopiedWithTheKeyboard) {
    showActive();
    QPlainTextEdit* text = window->Text1[0];
    ASSERT_EQ(QApplication::focusWidget(), text);
    QApplication::clipboard()->clear();
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), text->toPlainText());
}

} // namespace
} // namespace velmora::test
