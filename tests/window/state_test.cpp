// The window as built: its font, and how much of the list and the texts shows.
#include "window_test_support.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace velmora::test {
namespace {

TEST_F(WindowTest, FontRendersCyrillic) {
    const QFontMetrics metrics(window->font());
    for (QChar c : QStringLiteral("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯабвгдежзийклмнопрстуфхцчшщъьюя"))
        EXPECT_TRUE(metrics.inFont(c)) << static_cast<int>(c.unicode());
}

TEST_F(WindowTest, ListShowsPartOfItsEntriesAndScrolls) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QListWidget* list = window->List1[0];
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_GT(list->verticalScrollBar()->maximum(), 0);
    const QRect viewport = list->viewport()->rect();
    EXPECT_TRUE(viewport.contains(list->visualItemRect(list->item(0))));
    EXPECT_FALSE(viewport.intersects(list->visualItemRect(list->item(7))));
}

// One combination is in force at a time, and the list marks only it: Shift
// with a click or an arrow key does not extend the selection.
TEST_F(WindowTest, ListMarksOneEntryAtATime) {
    showActive();
    QListWidget* list = window->List1[0];
    list->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(list->selectedItems().size(), 1);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(list->selectedItems().size(), 1);
    EXPECT_TRUE(list->currentItem()->isSelected());
}

TEST_F(WindowTest, AssignmentTextIsLongerThanItsBoxAndScrolls) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QPlainTextEdit* text = window->Text1[0];
    QScrollBar* bar = text->verticalScrollBar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_FALSE(text->horizontalScrollBar()->isVisible());
    // Long lines wrap at the box's width: more display lines than text lines.
    int displayLines = 0;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
        displayLines += block.layout()->lineCount();
    EXPECT_GT(displayLines, 13);
}

// A caption wider than its label, or broken onto a second line, is cut off.
TEST_F(WindowTest, LabelCaptionsFitOnOneLine) {
    for (QLabel* label : window->Label1) {
        SCOPED_TRACE(describe(label));
        EXPECT_LE(label->sizeHint().width(), label->width());
        EXPECT_LE(label->sizeHint().height(), label->height());
    }
}

} // namespace
} // namespace velmora::test
