// The window as built: its title bar, its font, and how much of the list and the texts shows.
#include "window_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <vector>

namespace velmora::test {
namespace {

std::vector<QWidget*> allControls(Velmora& w) {
    std::vector<QWidget*> controls{w.Label1[0],   w.Label1[1],   w.List1[0], w.Frame1,  w.Picture1,
                                   w.Command1[0], w.Command1[1], w.Text1[0], w.Text1[1]};
    for (std::size_t i = 0; i < 5; ++i) {
        controls.push_back(w.Check1[i]);
        controls.push_back(w.Text2[i]);
    }
    return controls;
}

TEST(Application, NameAndVersion) {
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Velmora"));
    EXPECT_EQ(QApplication::applicationVersion(), QStringLiteral("1.00"));
}

TEST_F(WindowTest, TitleBarHasIconCaptionAndCloseOnly) {
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(WindowTest, EveryControlUsesTheWindowFont) {
    const QFont font = window->font();
    EXPECT_EQ(font.families().value(0), QStringLiteral("Times New Roman"));
    EXPECT_TRUE(font.families().contains(QStringLiteral("Liberation Serif")));
    EXPECT_EQ(font.styleHint(), QFont::Serif);
    for (QWidget* control : allControls(*window)) {
        SCOPED_TRACE(describe(control));
        EXPECT_FALSE(control->testAttribute(Qt::WA_SetFont)) << "has a font of its own";
        const QFontInfo info(control->font());
        EXPECT_EQ(info.pixelSize(), 16); // 12 pt at 96 dots per inch
        EXPECT_EQ(info.weight(), QFont::Normal);
        EXPECT_FALSE(info.italic());
        EXPECT_FALSE(info.underline());
        EXPECT_FALSE(info.strikeOut());
        EXPECT_TRUE(info.family() == QStringLiteral("Times New Roman") ||
                    info.family() == QStringLiteral("Liberation Serif") ||
                    info.family() == QStringLiteral("DejaVu Serif"))
            << info.family().toStdString();
    }
}

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
    const int current = list->currentRow();
    list->scrollToItem(list->item(7));
    EXPECT_TRUE(viewport.intersects(list->visualItemRect(list->item(7))));
    EXPECT_EQ(list->currentRow(), current); // scrolling selects nothing
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
    bar->setValue(bar->maximum());
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(WindowTest, SayingIsHidden) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_FALSE(window->Text1[1]->isVisible());
}

// A caption wider than its label, or broken onto a second line, is cut off.
TEST_F(WindowTest, LabelCaptionsFitOnOneLine) {
    for (QLabel* label : window->Label1) {
        SCOPED_TRACE(describe(label));
        EXPECT_FALSE(label->wordWrap());
        EXPECT_LE(label->sizeHint().width(), label->width());
        EXPECT_LE(label->sizeHint().height(), label->height());
    }
}

} // namespace
} // namespace velmora::test
