// The window and its controls as built, before any behaviour runs.
#include "controls.h"
#include "window_test_support.h"

#include <QAbstractScrollArea>
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

TEST_F(WindowTest, ValueFieldsAsBuilt) {
    for (ValueField* field : window->Text2) {
        SCOPED_TRACE(describe(field));
        EXPECT_TRUE(field->text().isEmpty());
        EXPECT_TRUE(field->isReadOnly());
        EXPECT_EQ(field->typingLimit(), 4);
        EXPECT_TRUE(field->hasFrame());
        EXPECT_TRUE(field->isEnabled());
        EXPECT_FALSE(field->isHidden());
        EXPECT_NE(field->focusPolicy() & Qt::TabFocus, 0);
    }
}

TEST_F(WindowTest, MarkersAsBuilt) {
    for (QCheckBox* marker : window->Check1) {
        SCOPED_TRACE(describe(marker));
        EXPECT_FALSE(marker->isChecked());
        EXPECT_EQ(marker->checkState(), Qt::Unchecked);
        EXPECT_FALSE(marker->isTristate());
        EXPECT_FALSE(marker->isEnabled());
        EXPECT_FALSE(marker->isHidden());
        EXPECT_EQ(marker->layoutDirection(), Qt::LeftToRight);
        const auto* coloured = qobject_cast<const MarkerCheckBox*>(marker);
        ASSERT_NE(coloured, nullptr);
        EXPECT_EQ(hex(coloured->backColour()), "#8080FF");
    }
}

TEST_F(WindowTest, ListAsBuilt) {
    QListWidget* list = window->List1[0];
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(list->isEnabled());
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

TEST_F(WindowTest, ButtonsAsBuilt) {
    for (QPushButton* button : window->Command1) {
        SCOPED_TRACE(describe(button));
        EXPECT_TRUE(button->isEnabled());
        EXPECT_FALSE(button->isHidden());
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
        EXPECT_FALSE(button->isCheckable());
        EXPECT_FALSE(button->isFlat());
    }
}

TEST_F(WindowTest, AssignmentTextAsBuilt) {
    const QPlainTextEdit* text = window->Text1[0];
    EXPECT_FALSE(text->isHidden());
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->textInteractionFlags(),
              Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(text->frameShadow(), QFrame::Sunken);
    EXPECT_NE(text->focusPolicy() & Qt::TabFocus, 0);
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
    const QPlainTextEdit* saying = window->Text1[1];
    EXPECT_TRUE(saying->isHidden());
    EXPECT_TRUE(saying->isReadOnly());
    EXPECT_EQ(saying->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(saying->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_FALSE(saying->isVisible());
}

TEST_F(WindowTest, LabelsAreOpaqueCentredAndBorderless) {
    for (QLabel* label : window->Label1) {
        SCOPED_TRACE(describe(label));
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
        EXPECT_TRUE(label->alignment().testFlag(Qt::AlignHCenter));
        EXPECT_FALSE(label->wordWrap()); // one line
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        EXPECT_LE(label->sizeHint().width(), label->width()) << "caption does not fit";
    }
}

TEST_F(WindowTest, PictureBoxShowsTheFigureUnscaledInASunkenBorder) {
    const QLabel* picture = window->Picture1;
    EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(picture->frameWidth(), 2);
    EXPECT_FALSE(picture->hasScaledContents());
    EXPECT_EQ(picture->alignment(), Qt::AlignLeft | Qt::AlignTop);
    const QPixmap pixmap = picture->pixmap();
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.size(), QSize(137, 162));
    // The box is exactly the picture and its border.
    EXPECT_EQ(picture->contentsRect(), QRect(2, 2, 137, 162));
    EXPECT_EQ(picture->focusPolicy(), Qt::StrongFocus);
}

TEST_F(WindowTest, FrameAsBuilt) {
    EXPECT_EQ(window->Frame1->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(window->Frame1->isCheckable());
    EXPECT_FALSE(window->Frame1->isFlat());
    const auto* frame = qobject_cast<const ColouredFrame*>(window->Frame1);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(hex(frame->backColour()), "#C0C0FF");
}

} // namespace
} // namespace velmora::test
