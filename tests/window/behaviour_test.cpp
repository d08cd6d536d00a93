// What the window does when the user uses it: start-up, choosing a
// combination, Calculate, Clear and editing a field, all through real input
// events. One table per behaviour.
#include "table_rows.h"
#include "user_actions.h"
#include "window_test_support.h"

#include <velmora/cone_quantity.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace velmora::test {
namespace {

// How a test chooses a list entry: a click, the End key, or Down from the
// entry in force.
enum class Choose { Click, End, Down };

class BehaviourTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->setNumberSettings(plainSettings());
        showActive();
    }

    // Exactly the two given quantities of entry `entry` are ticked and
    // editable; no marker is enabled.
    void expectCombination(int entry) {
        const GivenPair pair = kListedPairs.at(static_cast<std::size_t>(entry));
        EXPECT_EQ(window->List1[0]->currentRow(), entry);
        for (const QuantityInfo& q : kQuantities) {
            const auto i = static_cast<std::size_t>(slotOf(q.quantity));
            SCOPED_TRACE(std::string(pair.label) + ", slot " + std::string(q.symbol));
            EXPECT_EQ(window->Check1[i]->isChecked(), pair.isGiven(q.quantity));
            EXPECT_EQ(window->Text2[i]->isReadOnly(), !pair.isGiven(q.quantity));
            EXPECT_FALSE(window->Check1[i]->isEnabled());
        }
    }

    // Chooses list entry `entry` as `how` says; with the keyboard the list
    // scrolls to show it.
    void choose(int entry, Choose how) {
        QListWidget* list = window->List1[0];
        if (how == Choose::Click)
            user().clickEntry(entry);
        else if (how == Choose::End)
            user().pressInList(Qt::Key_End);
        else
            for (int row = list->currentRow(); row < entry; ++row)
                user().pressInList(Qt::Key_Down);
        EXPECT_EQ(list->currentRow(), entry);
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(entry))));
    }

    // Chooses `entry` and puts the two given texts in its fields. A text
    // longer than the seven characters one can type is written as a
    // calculation leaves it, for the user to have edited.
    void enterGiven(int entry, const char* first, const char* second, Choose how = Choose::Click) {
        choose(entry, how);
        const GivenPair pair = kListedPairs.at(static_cast<std::size_t>(entry));
        for (auto [q, text] : {std::pair{pair.first, first}, std::pair{pair.second, second}}) {
            const QString given = QString::fromUtf8(text);
            if (given.size() <= 7)
                user().typeInto(slotOf(q), given);
            else
                window->Text2[static_cast<std::size_t>(slotOf(q))]->writeText(given);
        }
    }

    UserActions user() { return UserActions{*window}; }
};

const FieldTexts kEmpty{};

// ---- Start-up and choosing a combination

TEST_F(BehaviourTest, StartUpPutsRLInForceWithEmptyFields) {
    expectCombination(0);
    EXPECT_EQ(user().fieldTexts(), kEmpty);
    for (ValueField* field : window->Text2)
        EXPECT_EQ(field->typingLimit(), 7);
    EXPECT_EQ(QApplication::focusWidget(), window->Text1[0]);
}

class ChoosingEntries : public BehaviourTest, public ::testing::WithParamInterface<int> {};

TEST_P(ChoosingEntries, MouseClickAppliesTheCombinationAndEmptiesTheFields) {
    user().typeInto(0, QStringLiteral("3"));
    user().typeInto(1, QStringLiteral("5"));
    user().clickEntry(GetParam());
    expectCombination(GetParam());
    // Choosing the entry in force again keeps what was typed.
    EXPECT_EQ(user().fieldTexts(), (GetParam() == 0 ? FieldTexts{"3", "5"} : kEmpty));
}

TEST_P(ChoosingEntries, SelectionByTheProgramAppliesItAtOnce) {
    window->List1[0]->setCurrentRow(GetParam());
    expectCombination(GetParam());
}

INSTANTIATE_TEST_SUITE_P(AllEntries, ChoosingEntries,
                         ::testing::Range(0, static_cast<int>(kListedPairs.size())));

TEST_F(BehaviourTest, ArrowKeysApplyEachCombinationOnTheWayToTheLastAndBack) {
    const int last = static_cast<int>(kListedPairs.size()) - 1;
    for (int entry = 1; entry <= last; ++entry) {
        user().pressInList(Qt::Key_Down);
        expectCombination(entry);
    }
    for (int entry = last - 1; entry >= 0; --entry) {
        user().pressInList(Qt::Key_Up);
        expectCombination(entry);
    }
}

TEST_F(BehaviourTest, TheEntryInForceStaysMarkedAfterACtrlClick) {
    QListWidget* list = window->List1[0];
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(list->item(0)->isSelected());
    expectCombination(0);
}

// ---- Calculate: the five texts it writes, and what it tells

struct CalculationCase {
    const char* name;
    NumberSettings (*settings)();
    int entry;
    const char* first;
    const char* second;
    FieldTexts expected;
    const char* message = ""; // part of the message shown after writing; "": none
    Choose choose = Choose::Click;
};

class Calculating : public BehaviourTest, public ::testing::WithParamInterface<CalculationCase> {};

TEST_P(Calculating, WritesAllFiveFieldsShownFromTheirStart) {
    const CalculationCase& c = GetParam();
    window->setNumberSettings(c.settings());
    enterGiven(c.entry, c.first, c.second, c.choose);
    // Pressing it again reads the shown values back: the same cone, the same message.
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE("press " + std::to_string(press));
        const QString message = user().closeMessageDuring([this] { user().pressCalculate(); });
        EXPECT_EQ(user().fieldTexts(), c.expected);
        if (*c.message == '\0')
            EXPECT_TRUE(message.isEmpty()) << message.toStdString();
        else
            EXPECT_TRUE(message.contains(QString::fromUtf8(c.message))) << message.toStdString();
        for (ValueField* field : window->Text2) {
            EXPECT_EQ(field->cursorPosition(), 0) << describe(field);
            EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Value),
                      field->text());
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(KnownCones, Calculating, ::testing::Values(
    CalculationCase{"R3_L5", plainSettings, 0, "3", "5",
                    {"3.0000000", "5.0000000", "4.0000000", "47.1238898", "37.6991118"}},
    CalculationCase{"R5_L5_flat", plainSettings, 0, "5", "5",
                    {"5.0000000", "5.0000000", "0.0000000", "78.5398163", "0.0000000"}},
    CalculationCase{"H4_V_pointwise", plainSettings, 7, "4", "37.6991",
                    {"2.9999995", "4.9999997", "4.0000000", "47.1238797", "37.6991000"}},
    // Typed with groups, as Bulgarians write it; shown with a decimal comma and read back.
    CalculationCase{"bg_BG_grouped_whole_numbers", bulgarianSettings, 0, "3 000", "5 000",
                    {"3\u00a0000,0000000", "5\u00a0000,0000000", "4\u00a0000,0000000",
                     "47\u00a0123\u00a0889,8038469", "37\u00a0699\u00a0111\u00a0843,0775000"}},
    CalculationCase{"bg_BG_long_results", bulgarianSettings, 1, "9999999", "9999999",
                    {"9\u00a0999\u00a0999,0000000", "14\u00a0142\u00a0134,2095174",
                     "9\u00a0999\u00a0999,0000000", "444\u00a0288\u00a0204\u00a0958\u00a0182,0000000",
                     "1\u00a0047\u00a0197\u00a0237\u00a0037\u00a0360\u00a0000\u00a0000,0000000"}},
    // S and V: the wider cone in the fields, the other one told.
    CalculationCase{"SV_two_cones", plainSettings, 8, "50", "20",
                    {"3.8909756", "4.0903609", "1.2614916", "50.0000000", "20.0000000"},
                    "Има и втори конус (с по-малък радиус) със същите S и V:\nR = 1.2050260\nL = 13.2075946\nH = 13.1525081"},
    // Where H² = 2·R² the two cones are one: no message.
    CalculationCase{"SV_one_cone_where_H2_is_2R2", bulgarianSettings, 8, "5,68", "1,57943",
                    {"1,0216895", "1,7696181", "1,4448871", "5,6800000", "1,5794300"}},
    // V typed as the no-cone message shows the largest volume, a hair above it.
    CalculationCase{"SV_V_at_its_largest", plainSettings, 8, "0.57", "0.05021",
                    {"0.3236549", "0.5605867", "0.4577171", "0.5700000", "0.0502100"}},
    // L and V, chosen with the keyboard: the flat cone in the fields, the needle told.
    CalculationCase{"LV_two_cones", plainSettings, 9, "5", "20",
                    {"4.9382856", "5.0000000", "0.7831572", "77.5704089", "20.0000000"},
                    "Има и втори конус (с по-малък радиус) със същите L и V:\nR = 2.0460355\nH = 4.5622077\nS = 32.1390504",
                    Choose::End},
    CalculationCase{"LV_two_cones_bg_BG", bulgarianSettings, 9, "10", "100",
                    {"9,9534379", "10,0000000", "0,9638849", "312,6964738", "100,0000000"},
                    "R = 3,1732861\nH = 9,4831564\nS = 99,6917242", Choose::Down},
    // V typed as the no-cone message shows the largest volume, a hair above it.
    CalculationCase{"LV_V_at_its_largest", plainSettings, 9, "1.43", "1.17865",
                    {"1.1675901", "1.4300000", "0.8256109", "5.2453723", "1.1786500"}, "",
                    Choose::Down}),
    rowName);
// clang-format on

TEST_F(BehaviourTest, AResultTooLongForItsFieldIsItsTooltip) {
    window->setNumberSettings(bulgarianSettings());
    enterGiven(1, "9999999", "2");
    user().pressCalculate();
    for (const QuantityInfo& q : kQuantities) {
        ValueField* field = window->Text2[static_cast<std::size_t>(slotOf(q.quantity))];
        SCOPED_TRACE(describe(field));
        const bool fits =
            field->text().size() <= 9; // "2,0000000" fits; "9 999 999,0000000" does not
        EXPECT_EQ(field->showsWholeText(), fits);
        // A given value too long for its field is its tooltip (a computed
        // one's is in worked_solution_test.cpp).
        if (kListedPairs[1].isGiven(q.quantity)) {
            EXPECT_EQ(field->toolTip().remove(QChar(0x200B)), fits ? QString() : field->text());
        }
    }
    // Typing keeps the tooltip up to date.
    user().typeInto(0, QStringLiteral("3"));
    EXPECT_TRUE(window->Text2[0]->toolTip().isEmpty());
}

// ---- Calculate refuses, or finds no cone

struct RefusedInput {
    const char* name;
    const char* r;
};

class RefusedInputs : public BehaviourTest, public ::testing::WithParamInterface<RefusedInput> {};

// Values that are not greater than 0 make Calculate do nothing, silently.
TEST_P(RefusedInputs, ChangeNoFieldAndShowNoMessage) {
    user().typeInto(0, QStringLiteral("3"));
    user().typeInto(1, QStringLiteral("5"));
    user().pressCalculate();
    user().typeInto(0, QString::fromUtf8(GetParam().r));
    const FieldTexts before = user().fieldTexts();
    const QString message = user().closeMessageDuring([this] { user().pressCalculate(); });
    EXPECT_TRUE(message.isEmpty());
    EXPECT_EQ(user().fieldTexts(), before);
}

INSTANTIATE_TEST_SUITE_P(NotAboveZero, RefusedInputs,
                         ::testing::Values(RefusedInput{"empty", ""}, RefusedInput{"zero", "0"},
                                           RefusedInput{"minus_one", "-1"},
                                           RefusedInput{"letters", "abc"},
                                           RefusedInput{"negative_tiny", "-1e-400"}),
                         rowName);

struct NoConeCase {
    const char* name;
    int entry;
    const char* first;
    const char* second;
    const char* relation; // what the message says must hold
    Choose choose = Choose::Click;
};

class NoCone : public BehaviourTest, public ::testing::WithParamInterface<NoConeCase> {};

// Values that give no cone leave every field as it was and say why.
TEST_P(NoCone, KeepsEveryFieldAndTellsTheUser) {
    const NoConeCase& c = GetParam();
    enterGiven(c.entry, c.first, c.second, c.choose);
    const FieldTexts before = user().fieldTexts();
    const QString message = user().closeMessageDuring([this] { user().pressCalculate(); });
    EXPECT_TRUE(message.contains(QString::fromUtf8(c.relation))) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QStringLiteral("\nСтойностите в полетата не са променени.")))
        << message.toStdString();
    EXPECT_EQ(user().fieldTexts(), before);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    AtTheLimits, NoCone,
    ::testing::Values(
        NoConeCase{"L_below_R", 0, "5", "4", "L не може да бъде по-малка от радиуса R"},
        NoConeCase{"S_below_piR2", 2, "1", "3.14",
                   "Околната повърхнина S трябва да е поне π·R² ≈ 3.1415927.\n"},
        NoConeCase{"H_above_L", 4, "4", "5", "L не може да бъде по-малка от височината H"},
        NoConeCase{"S_above_piL2", 5, "1", "3.15",
                   "Околната повърхнина S трябва да е най-много π·L² ≈ 3.1415927.\n"},
        // A bound beyond the doubles goes unwritten.
        NoConeCase{"S_below_a_bound_beyond_the_doubles", 2, "1e200", "1",
                   "Околната повърхнина S трябва да е поне π·R².\n"},
        NoConeCase{
            "SV_V_above_its_largest", 8, "0.57", "0.0503",
            "При околна повърхнина S = 0.5700000 обемът V може да бъде най-много 0.0502100."},
        NoConeCase{"overflow", 0, "1e200", "2e200",
                   "твърде големи или твърде малки и конусът не може да бъде изчислен.\n"},
        NoConeCase{"infinite", 1, "1e999", "1", "твърде големи или твърде малки"},
        // Too small for a double: read as 0, but out of range as 1e400 is.
        NoConeCase{"positive_below_the_doubles", 0, "1e-400", "5",
                   "твърде големи или твърде малки"},
        // Long numbers are shown whole, wrapped inside the box.
        NoConeCase{
            "SV_huge_values_shown_whole", 8, "1e100", "1e150",
            "При околна повърхнина S = "
            "10000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
            "000000000000000.0000000 обемът V може да бъде най-много "
            "11667501508985200000000000000000000000000000000000000000000000000000000000000000000000"
            "0000000000000000000000000000000000000000000000000000000000000000.0000000."},
        // No cone of that S holds that V, though 9·V² leaves the double range.
        NoConeCase{"SV_V_beyond_every_cone", 8, "1", "1e200",
                   "обемът V може да бъде най-много 0.1166750."},
        NoConeCase{"LV_V_above_its_largest", 9, "1", "0.5",
                   "При образувателна L = 1.0000000 обемът V може да бъде най-много 0.4030665.",
                   Choose::End},
        // Both cones exist, but the surface of each leaves the double range.
        NoConeCase{"LV_cones_beyond_the_double_range", 9, "1e308", "1.7e308",
                   "твърде големи или твърде малки", Choose::Down}),
    rowName);

TEST_F(BehaviourTest, FailingConeAfterAResultKeepsTheOldResultsBesideTheNewValues) {
    user().typeInto(0, QStringLiteral("3"));
    user().typeInto(1, QStringLiteral("5"));
    user().pressCalculate();
    user().typeInto(0, QStringLiteral("5"));
    user().typeInto(1, QStringLiteral("4"));
    const QString message = user().closeMessageDuring([this] { user().pressCalculate(); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("Няма конус с тези стойности.")));
    EXPECT_EQ(user().fieldTexts(), (FieldTexts{"5", "4", "4.0000000", "47.1238898", "37.6991118"}));
}

// ---- Clear, and the focus

TEST_F(BehaviourTest, ClearEmptiesTheFieldsAndKeepsCombinationMarkersAndLocks) {
    user().clickEntry(7);
    user().typeInto(2, QStringLiteral("4"));
    user().typeInto(4, QStringLiteral("10"));
    user().pressCalculate();
    ASSERT_NE(user().fieldTexts(), kEmpty);
    user().pressClear();
    EXPECT_EQ(user().fieldTexts(), kEmpty);
    expectCombination(7);
}

TEST_F(BehaviourTest, NoProcedureMovesTheFocus) {
    user().typeInto(0, QStringLiteral("3"));
    user().typeInto(1, QStringLiteral("5"));
    QWidget* field = window->Text2[1];
    ASSERT_EQ(QApplication::focusWidget(), field);
    // Calculate through the keyboard: Tab to the button, Space presses it.
    window->Command1[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->Command1[0], Qt::Key_Space);
    EXPECT_EQ(window->Text2[2]->text(), QStringLiteral("4.0000000"));
    EXPECT_EQ(QApplication::focusWidget(), window->Command1[0]);
    user().pressInList(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), window->List1[0]);
    window->Command1[1]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->Command1[1], Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), window->Command1[1]);
}

// ---- Editing a value field: typing and pasting never put more than seven
// characters in, group separators between digits left uncounted, and never
// turn a number into another; undo brings back a text the field held, whole.

void keys(ValueField* field, std::initializer_list<QKeyCombination> presses) {
    for (QKeyCombination k : presses)
        QTest::keyClick(field, k.key(), k.keyboardModifiers());
}

// Opens the field's context menu as a right click does and chooses the
// entry `entry` of Qt's own ("&Undo", "&Paste"), in the user's language.
void chooseFromContextMenu(ValueField* field, const char* entry) {
    useContextMenu(field, [entry](QMenu& menu) {
        for (QAction* a : menu.actions())
            if (a->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr(entry))
                a->trigger();
    });
}

struct EditCase {
    const char* name;
    bool afterResult; // R = 3 and L = 5 calculated first
    int slot;
    void (*edit)(Velmora&, ValueField*);
    const char* expected;
    bool refused = false; // an edit was refused, and the user heard it
    NumberSettings (*settings)() = plainSettings;
};

class Editing : public BehaviourTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(Editing, KeepsTheTypingLimit) {
    const EditCase& c = GetParam();
    window->setNumberSettings(c.settings());
    if (c.afterResult) {
        user().typeInto(0, QStringLiteral("3"));
        user().typeInto(1, QStringLiteral("5"));
        user().pressCalculate();
        ASSERT_EQ(window->Text2[1]->text(), QStringLiteral("5.0000000"));
    }
    QApplication::clipboard()->setText(QStringLiteral("123456789"));
    ValueField* field = window->Text2.at(static_cast<std::size_t>(c.slot));
    QTest::mouseClick(field, Qt::LeftButton);
    QSignalSpy refusals(field, &ValueField::editRefused);
    c.edit(*window, field);
    EXPECT_EQ(field->text(), QString::fromUtf8(c.expected));
    EXPECT_EQ(!refusals.isEmpty(), c.refused);
}

const auto kCtrl = Qt::ControlModifier;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, Editing, ::testing::Values(
    EditCase{"eighth_typed_character_refused", false, 0,
             [](Velmora&, ValueField* f) { QTest::keyClicks(f, "12345678"); }, "1234567", true},
    EditCase{"result_cannot_grow", true, 1,
             [](Velmora&, ValueField* f) { keys(f, {Qt::Key_End, Qt::Key_9}); }, "5.0000000"},
    EditCase{"result_can_shrink", true, 1,
             [](Velmora&, ValueField* f) { keys(f, {Qt::Key_End, Qt::Key_Backspace}); }, "5.000000"},
    EditCase{"result_character_replaced", true, 1,
             [](Velmora&, ValueField* f) { keys(f, {Qt::Key_Home, Qt::ShiftModifier | Qt::Key_Right, Qt::Key_6}); },
             "6.0000000"},
    EditCase{"result_emptied_with_backspace_takes_seven", true, 0,
             [](Velmora&, ValueField* f) {
                 keys(f, {Qt::Key_End});
                 for (int i = 0; i < 9; ++i)
                     keys(f, {Qt::Key_Backspace});
                 QTest::keyClicks(f, "3.0000000");
             },
             "3.00000"},
    EditCase{"result_replaced_whole_takes_seven", true, 0,
             [](Velmora&, ValueField* f) { keys(f, {kCtrl | Qt::Key_A}); QTest::keyClicks(f, "3.0000000"); },
             "3.00000"},
    EditCase{"after_clear_takes_seven", true, 0,
             [](Velmora& w, ValueField* f) {
                 QTest::mouseClick(w.Command1[1], Qt::LeftButton);
                 QTest::mouseClick(f, Qt::LeftButton);
                 QTest::keyClicks(f, "3.0000000");
             },
             "3.00000"},
    // Cutting a whole number to what fits would make it another number.
    EditCase{"pasted_whole_number_too_long_refused_keeping_the_text", false, 0,
             [](Velmora&, ValueField* f) {
                 QApplication::clipboard()->setText(QStringLiteral("50000000"));
                 keys(f, {Qt::Key_3, kCtrl | Qt::Key_A, kCtrl | Qt::Key_V});
             },
             "3", true},
    EditCase{"paste_before_a_digit_refused_where_it_does_not_fit", false, 0,
             [](Velmora&, ValueField* f) { keys(f, {Qt::Key_9, Qt::Key_Home, kCtrl | Qt::Key_V}); },
             "9", true},
    EditCase{"full_field_takes_no_paste", false, 0,
             [](Velmora&, ValueField* f) { QTest::keyClicks(f, "1234567"); keys(f, {kCtrl | Qt::Key_V}); },
             "1234567", true},
    EditCase{"paste_into_an_emptied_result", true, 1,
             [](Velmora&, ValueField* f) {
                 QApplication::clipboard()->setText(QStringLiteral("0.123456789"));
                 keys(f, {kCtrl | Qt::Key_A, Qt::Key_Delete, kCtrl | Qt::Key_V});
             },
             "0.12345"},
    EditCase{"locked_field_refuses_typing_and_paste", false, 2,
             [](Velmora&, ValueField* f) { keys(f, {Qt::Key_3, Qt::Key_4, kCtrl | Qt::Key_V}); }, ""},
    EditCase{"undo_after_delete_restores_the_result", true, 1,
             [](Velmora&, ValueField* f) { keys(f, {Qt::Key_Home, Qt::Key_Right, Qt::Key_Delete, kCtrl | Qt::Key_Z}); },
             "5.0000000"},
    EditCase{"undo_from_the_context_menu_restores_the_result", true, 1,
             [](Velmora&, ValueField* f) {
                 keys(f, {kCtrl | Qt::Key_A, Qt::Key_Delete});
                 chooseFromContextMenu(f, "&Undo");
             },
             "5.0000000"},
    EditCase{"paste_from_the_context_menu_takes_what_fits", false, 0,
             [](Velmora&, ValueField* f) {
                 QApplication::clipboard()->setText(QStringLiteral("3.14159265"));
                 chooseFromContextMenu(f, "&Paste");
             },
             "3.14159"},
    EditCase{"paste_over_the_whole_selected_result_takes_seven", true, 0,
             [](Velmora&, ValueField* f) {
                 QApplication::clipboard()->setText(QStringLiteral("37.6991118"));
                 keys(f, {kCtrl | Qt::Key_A, kCtrl | Qt::Key_V});
             },
             "37.6991"},
    EditCase{"paste_over_part_of_a_result_cannot_grow_it", true, 1,
             [](Velmora&, ValueField* f) {
                 keys(f, {Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::ShiftModifier | Qt::Key_End, kCtrl | Qt::Key_V});
             },
             "5.1234567"},
    EditCase{"paste_keeps_whole_characters", false, 0,
             [](Velmora&, ValueField* f) {
                 QApplication::clipboard()->setText(QString::fromUtf8("\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600"));
                 keys(f, {kCtrl | Qt::Key_V});
             },
             "\U0001F600\U0001F600\U0001F600"},
    EditCase{"redo_after_undo_brings_the_edit_back", true, 1,
             [](Velmora&, ValueField* f) {
                 keys(f, {kCtrl | Qt::Key_A, Qt::Key_Delete, kCtrl | Qt::Key_Z, kCtrl | Qt::ShiftModifier | Qt::Key_Z});
             },
             ""},
    // Group separators between digits do not count toward the seven.
    EditCase{"bg_BG_grouped_whole_number_typed", false, 0,
             [](Velmora&, ValueField* f) { QTest::keyClicks(f, "1 500 000"); }, "1 500 000", false,
             bulgarianSettings},
    EditCase{"bg_BG_pasted_result_keeps_its_whole_part", false, 0,
             [](Velmora&, ValueField* f) {
                 QApplication::clipboard()->setText(QString::fromUtf8("9\u00a0999\u00a0999,0000000"));
                 keys(f, {kCtrl | Qt::Key_V});
             },
             "9\u00a0999\u00a0999", false, bulgarianSettings},
    EditCase{"bg_BG_pasted_grouped_number_loses_decimals", false, 0,
             [](Velmora&, ValueField* f) {
                 QApplication::clipboard()->setText(QStringLiteral("1 234,56789"));
                 keys(f, {kCtrl | Qt::Key_V});
             },
             "1 234,56", false, bulgarianSettings},
    // Whatever blank comes before the digits, they stay whole.
    EditCase{"pasted_number_after_a_no_break_space_refused", false, 0,
             [](Velmora&, ValueField* f) {
                 QApplication::clipboard()->setText(QString::fromUtf8("\u00a012345678"));
                 keys(f, {kCtrl | Qt::Key_V});
             },
             "", true},
    // A point that joins no well-formed groups separates decimals in German too.
    EditCase{"de_DE_pasted_point_decimals_cut", false, 0,
             [](Velmora&, ValueField* f) {
                 QApplication::clipboard()->setText(QStringLiteral("1.23456789"));
                 keys(f, {kCtrl | Qt::Key_V});
             },
             "1.234567", false, germanSettings},
    // The keypad's decimal key types the decimal separator of the number
    // format, whatever the keyboard layout puts on it.
    EditCase{"bg_BG_keypad_decimal_types_a_comma", false, 0,
             [](Velmora&, ValueField* f) { keys(f, {Qt::Key_2, Qt::KeypadModifier | Qt::Key_Period, Qt::Key_5}); },
             "2,5", false, bulgarianSettings},
    EditCase{"C_keypad_decimal_types_a_point", false, 0,
             [](Velmora&, ValueField* f) { keys(f, {Qt::Key_2, Qt::KeypadModifier | Qt::Key_Comma, Qt::Key_5}); },
             "2.5"}),
    rowName);
// clang-format on

} // namespace
} // namespace velmora::test
