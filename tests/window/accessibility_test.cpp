// What a screen reader learns of the window through Qt's accessibility.
#include "regional_settings.h"
#include "table_rows.h"
#include "user_actions.h"
#include "window_test_support.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>

#include <velmora/value_text.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace velmora::test {
namespace {

struct AccessibleCase {
    const char* control; // its object name
    QAccessible::Role role;
    const char* name;
    int entry = -1; // a list entry's row: the row's own interface
};

class AccessibleControls : public WindowTest,
                           public ::testing::WithParamInterface<AccessibleCase> {};

TEST_P(AccessibleControls, HaveABulgarianNameDescriptionAndRole) {
    const AccessibleCase& c = GetParam();
    QWidget* widget = member(*window, c.control);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(a, nullptr);
    if (c.entry >= 0) {
        a = a->child(c.entry);
        ASSERT_NE(a, nullptr);
    }
    EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(c.name));
    const QString description = a->text(QAccessible::Description);
    EXPECT_FALSE(description.isEmpty());
    EXPECT_TRUE(std::any_of(description.begin(), description.end(), [](QChar ch) {
        return ch.script() == QChar::Script_Cyrillic;
    })) << description.toStdString();
    EXPECT_EQ(a->role(), c.role);
}

INSTANTIATE_TEST_SUITE_P(
    FocusStops, AccessibleControls,
    ::testing::Values(
        AccessibleCase{"Text1(0)", QAccessible::EditableText, "Задание"},
        AccessibleCase{"Text2(0)", QAccessible::EditableText, "R - радиус на основата"},
        AccessibleCase{"Text2(1)", QAccessible::EditableText, "L - образувателна"},
        AccessibleCase{"Text2(2)", QAccessible::EditableText, "H - височина"},
        AccessibleCase{"Text2(3)", QAccessible::EditableText, "S - околна повърхнина"},
        AccessibleCase{"Text2(4)", QAccessible::EditableText, "V - обем"},
        AccessibleCase{"List1(0)", QAccessible::List, "Дадени величини"},
        AccessibleCase{"Command1(0)", QAccessible::Button, "Изчисли"},
        AccessibleCase{"Command1(1)", QAccessible::Button, "Изчисти"},
        AccessibleCase{"Picture1", QAccessible::Graphic, "Чертеж на конус"},
        AccessibleCase{"Check1(0)", QAccessible::CheckBox, "R е дадена"},
        AccessibleCase{"List1(0)", QAccessible::ListItem, "Дадени R и L", 0},
        AccessibleCase{"List1(0)", QAccessible::ListItem, "Дадени L и V", 9}));

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
