// What a screen reader learns of the window through Qt's accessibility.
#include "accessible_texts.h"
#include "qt_text.h"
#include "regional_settings.h"
#include "user_actions.h"
#include "window_test_support.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>

#include <velmora/value_text.h>

#include <cmath>
#include <string>

namespace velmora::test {
namespace {

// The role a screen reader is told for each kind of control.
QAccessible::Role roleOf(layout::ControlName name) {
    using enum layout::ControlName;
    switch (name) {
    case List1:
        return QAccessible::List;
    case Check1:
        return QAccessible::CheckBox;
    case Picture1:
        return QAccessible::Graphic;
    case Command1:
        return QAccessible::Button;
    default: // Text1, Text2
        return QAccessible::EditableText;
    }
}

// Each control of the table says its row's name and description, with its kind's role.
TEST_F(WindowTest, ControlsSayTheTextsOfTheirTableRows) {
    for (const accessibility::AccessibleText& row : accessibility::kAccessibleTexts) {
        const std::string id = layout::controlId(row.name, row.index);
        SCOPED_TRACE(id);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(member(*window, id));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), toQString(row.accessibleName));
        EXPECT_EQ(a->text(QAccessible::Description), toQString(row.description));
        EXPECT_EQ(a->role(), roleOf(row.name));
    }
}

// Each list entry says its row's name and description.
TEST_F(WindowTest, ListEntriesSayTheTextsOfTheirTableRows) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->List1[0]);
    ASSERT_NE(list, nullptr);
    for (std::size_t i = 0; i < accessibility::kEntryTexts.size(); ++i) {
        SCOPED_TRACE(i);
        QAccessibleInterface* a = list->child(static_cast<int>(i));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name),
                  toQString(accessibility::kEntryTexts[i].accessibleName));
        EXPECT_EQ(a->text(QAccessible::Description),
                  toQString(accessibility::kEntryTexts[i].description));
        EXPECT_EQ(a->role(), QAccessible::ListItem);
    }
}

// The window is a frame named by its caption (see the caption table); the
// saying it never shows is no part of its accessible tree.
TEST_F(WindowTest, WindowIsAFrameWithoutTheHiddenSaying) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(window.get());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Window);
    EXPECT_EQ(a->indexOfChild(QAccessible::queryAccessibleInterface(window->Text1[1])), -1);
    EXPECT_GE(a->indexOfChild(QAccessible::queryAccessibleInterface(window->Text1[0])), 0);
    for (int i = 0; i < a->childCount(); ++i)
        EXPECT_NE(a->child(i)->object(), window->Text1[1]) << i;
}

TEST_F(WindowTest, CalculateAnnouncesTheValuesAndLeavesTheFocusWhereItIs) {
    showActive();
    UserActions user(*window);
    user.typeInto(0, QStringLiteral("3"));
    user.typeInto(1, QStringLiteral("5"));
    QWidget* focused = QApplication::focusWidget();
    QAccessible::queryAccessibleInterface(window->Command1[0])
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    const bool calculated =
        QTest::qWaitFor([this] { return !window->Text2[2]->text().isEmpty(); }, 2000);

    const NumberSettings settings = userNumberSettings();
    const std::string announced =
        "R = " + formatValue(3.0, settings) + "; L = " + formatValue(5.0, settings) +
        "; H = " + formatValue(4.0, settings) + "; S = " + formatValue(15.0 * M_PI, settings) +
        "; V = " + formatValue(12.0 * M_PI, settings);
    ASSERT_TRUE(calculated);
    // The window's last accessible child is the notice that a screen reader
    // speaks when it is shown; the end-to-end test hears it shown.
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(window.get());
    QAccessibleInterface* notice = a->child(a->childCount() - 1);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->role(), QAccessible::Notification);
    EXPECT_EQ(notice->text(QAccessible::Name).toStdString(), announced);
    EXPECT_EQ(QApplication::focusWidget(), focused);
}

} // namespace
} // namespace velmora::test
