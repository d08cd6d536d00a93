// Keyboard focus and keys: the Tab order, the initial focus, Enter and Escape,
// and what the read-only boxes let the user do.
#include "window_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
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

TEST_F(WindowTest, OpensWithTheFocusOnTheAssignmentText) {
    showActive();
    EXPECT_EQ(QApplication::focusWidget(), window->Text1[0])
        << describe(QApplication::focusWidget());
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

TEST_F(WindowTest, LabelsFrameMarkersAndSayingNeverTakeTheFocus) {
    showActive();
    const std::vector<QWidget*> never = {window->Label1[0], window->Label1[1], window->Frame1,
                                         window->Text1[1],  window->Check1[0], window->Check1[1],
                                         window->Check1[2], window->Check1[3], window->Check1[4]};
    for (std::size_t step = 0; step < 12; ++step) {
        for (QWidget* widget : never)
            EXPECT_NE(QApplication::focusWidget(), widget) << describe(widget);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST_F(WindowTest, EnterAndEscapePressNoButton) {
    showActive();
    QSignalSpy calculate(window->Command1[0], &QPushButton::clicked);
    QSignalSpy clear(window->Command1[1], &QPushButton::clicked);
    for (QWidget* stop : expectedTabStops(*window)) {
        stop->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), stop);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(stop, key);
    }
    EXPECT_EQ(calculate.count(), 0);
    EXPECT_EQ(clear.count(), 0);
    EXPECT_TRUE(window->isVisible()); // Escape does not close the window either
}

TEST_F(WindowTest, LockedValueFieldIgnoresTyping) {
    showActive();
    QLineEdit* field = window->Text2[2];
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, QStringLiteral("12.5"));
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_TRUE(field->text().isEmpty());
}

// As built, before start-up raises the limit: typing stops at four.
TEST_F(WindowTest, ValueFieldAsBuiltTakesAtMostFourCharacters) {
    QLineEdit* field = window->Text2[0];
    field->setReadOnly(false); // as the program unlocks it
    QTest::keyClicks(field, QStringLiteral("123456"));
    EXPECT_EQ(field->text(), QStringLiteral("1234"));
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

    // Shift+arrows select too.
    QApplication::clipboard()->clear();
    QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 14; ++i)
        QTest::keyClick(text, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Да се състави "));
}

TEST_F(WindowTest, AssignmentTextCanBeSelectedWithTheMouse) {
    showActive();
    QPlainTextEdit* text = window->Text1[0];
    QWidget* viewport = text->viewport();
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(12, 10));
    EXPECT_TRUE(text->textCursor().hasSelection());
    EXPECT_FALSE(text->textCursor().selectedText().isEmpty());
}

} // namespace
} // namespace velmora::test
