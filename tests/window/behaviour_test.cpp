// What the window does when the user uses it: start-up, choosing a
// combination, Calculate and Clear, all through real input events.
#include "regional_settings.h"
#include "user_actions.h"
#include "window_test_support.h"

#include <velmora/cone_quantity.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace velmora::test {
namespace {

NumberSettings plainSettings() {
    return numberSettingsOf(QLocale::c());
}
NumberSettings bulgarianSettings() {
    return numberSettingsOf(QLocale(QStringLiteral("bg_BG")));
}
NumberSettings germanSettings() {
    return numberSettingsOf(QLocale(QStringLiteral("de_DE")));
}

class BehaviourTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->setNumberSettingsSource(plainSettings);
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

    UserActions user() { return UserActions{*window}; }
};

const FieldTexts kEmpty{};

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
    if (GetParam() != 0) {
        EXPECT_EQ(user().fieldTexts(), kEmpty);
    }
}

TEST_P(ChoosingEntries, ArrowKeysApplyEachCombinationOnTheWay) {
    for (int entry = 1; entry <= GetParam(); ++entry) {
        user().pressInList(Qt::Key_Down);
        expectCombination(entry);
    }
    for (int entry = GetParam() - 1; entry >= 0; --entry) {
        user().pressInList(Qt::Key_Up);
        expectCombination(entry);
    }
}

TEST_P(ChoosingEntries, SelectionByTheProgramAppliesItAtOnce) {
    window->List1[0]->setCurrentRow(GetParam());
    expectCombination(GetParam());
}

INSTANTIATE_TEST_SUITE_P(AllEntries, ChoosingEntries, ::testing::Range(0, 8));

TEST_F(BehaviourTest, ChoosingTheEntryInForceAgainKeepsWhatWasTyped) {
    user().typeInto(0, QStringLiteral("3"));
    user().clickEntry(0);
    EXPECT_EQ(window->Text2[0]->text(), QStringLiteral("3"));
    expectCombination(0);
}

// The given values typed, the combination in force, and all five texts
// that Calculate writes.
struct CalculationCase {
    const char* name;
    int entry;
    const char* first;
    const char* second;
    FieldTexts expected;
};
void PrintTo(const CalculationCase& c, std::ostream* out) {
    *out << c.name;
}

class Calculating : public BehaviourTest, public ::testing::WithParamInterface<CalculationCase> {};

TEST_P(Calculating, WritesAllFiveFieldsFormatted) {
    const CalculationCase& c = GetParam();
    user().clickEntry(c.entry);
    const GivenPair pair = kListedPairs.at(static_cast<std::size_t>(c.entry));
    user().typeInto(slotOf(pair.first), QString::fromUtf8(c.first));
    user().typeInto(slotOf(pair.second), QString::fromUtf8(c.second));
    user().pressCalculate();
    EXPECT_EQ(user().fieldTexts(), c.expected);
    // Pressing it again reads the shown values back: the same cone.
    user().pressCalculate();
    EXPECT_EQ(user().fieldTexts(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    KnownCones, Calculating,
    ::testing::Values(
        CalculationCase{"R3_L5",
                        0,
                        "3",
                        "5",
                        {"3.0000000", "5.0000000", "4.0000000", "47.1238898", "37.6991118"}},
        CalculationCase{"R5abc_L13",
                        0,
                        "5abc",
                        "13",
                        {"5.0000000", "13.0000000", "12.0000000", "204.2035225", "314.1592654"}},
        CalculationCase{"R5_L5_flat",
                        0,
                        "5",
                        "5",
                        {"5.0000000", "5.0000000", "0.0000000", "78.5398163", "0.0000000"}},
        CalculationCase{"H4_V_pointwise",
                        7,
                        "4",
                        "37.6991",
                        {"2.9999995", "4.9999997", "4.0000000", "47.1238797", "37.6991000"}},
        CalculationCase{"L5_H4",
                        4,
                        ".5e1",
                        "4",
                        {"3.0000000", "5.0000000", "4.0000000", "47.1238898", "37.6991118"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedInput {
    const char* name;
    const char* r;
};
void PrintTo(const RefusedInput& c, std::ostream* out) {
    *out << c.name;
}

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
                                           RefusedInput{"point", "."},
                                           RefusedInput{"tiny", "1e-400"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BehaviourTest, EmptySecondFieldChangesNothing) {
    user().typeInto(0, QStringLiteral("3"));
    user().pressCalculate();
    EXPECT_EQ(user().fieldTexts(), (FieldTexts{"3", "", "", "", ""}));
}

struct NoConeCase {
    const char* name;
    int entry;
    const char* first;
    const char* second;
    const char* relation; // what the message says must hold
};
void PrintTo(const NoConeCase& c, std::ostream* out) {
    *out << c.name;
}

class NoCone : public BehaviourTest, public ::testing::WithParamInterface<NoConeCase> {};

// Values that give no cone leave every field as it was and say why.
TEST_P(NoCone, KeepsEveryFieldAndTellsTheUser) {
    const NoConeCase& c = GetParam();
    user().clickEntry(c.entry);
    const GivenPair pair = kListedPairs.at(static_cast<std::size_t>(c.entry));
    user().typeInto(slotOf(pair.first), QString::fromUtf8(c.first));
    user().typeInto(slotOf(pair.second), QString::fromUtf8(c.second));
    const FieldTexts before = user().fieldTexts();
    const QString message = user().closeMessageDuring([this] { user().pressCalculate(); });
    EXPECT_TRUE(message.contains(QString::fromUtf8(c.relation))) << message.toStdString();
    EXPECT_EQ(user().fieldTexts(), before);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    AtTheLimits, NoCone,
    ::testing::Values(
        NoConeCase{"L_below_R", 0, "5", "4", "L не може да бъде по-малка от радиуса R"},
        NoConeCase{"S_below_piR2", 2, "1", "3.14", "S не може да бъде по-малка от π·R²"},
        NoConeCase{"H_above_L", 4, "4", "5", "L не може да бъде по-малка от височината H"},
        NoConeCase{"S_above_piL2", 5, "1", "3.15", "S не може да бъде по-голяма от π·L²"},
        NoConeCase{"overflow", 0, "1e200", "2e200", "твърде големи или твърде малки"},
        NoConeCase{"underflow", 3, "1e-200", "1", "твърде големи или твърде малки"},
        NoConeCase{"infinite", 1, "1e999", "1", "твърде големи или твърде малки"}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST_F(BehaviourTest, AnEighthTypedCharacterIsRefusedButAResultShowsWhole) {
    user().typeInto(0, QStringLiteral("12345678"));
    EXPECT_EQ(window->Text2[0]->text(), QStringLiteral("1234567"));
    user().typeInto(0, QStringLiteral("3"));
    user().typeInto(1, QStringLiteral("5"));
    user().pressCalculate();
    EXPECT_EQ(window->Text2[3]->text(), QStringLiteral("47.1238898"));

    // A result can be shortened or have characters replaced, not lengthened.
    ValueField* s = window->Text2[3];
    window->Text2[1]->setFocus(); // a given field, to type into
    ValueField* l = window->Text2[1];
    QTest::mouseClick(l, Qt::LeftButton);
    QTest::keyClick(l, Qt::Key_End);
    QTest::keyClicks(l, QStringLiteral("9"));
    EXPECT_EQ(l->text(), QStringLiteral("5.0000000"));
    QTest::keyClick(l, Qt::Key_Backspace);
    EXPECT_EQ(l->text(), QStringLiteral("5.000000"));
    QTest::keyClick(l, Qt::Key_Home);
    QTest::keyClick(l, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClicks(l, QStringLiteral("6"));
    EXPECT_EQ(l->text(), QStringLiteral("6.000000"));
    EXPECT_EQ(s->text(), QStringLiteral("47.1238898"));
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

// In a comma locale results show a decimal comma, and a second Calculate
// reads them back as the same numbers.
struct RegionalCase {
    const char* name;
    NumberSettings (*settings)();
    const char* r;
    const char* l;
    FieldTexts expected;
};
void PrintTo(const RegionalCase& c, std::ostream* out) {
    *out << c.name;
}

class RegionalCalculation : public BehaviourTest,
                            public ::testing::WithParamInterface<RegionalCase> {};

TEST_P(RegionalCalculation, SecondCalculateGivesTheSameTexts) {
    window->setNumberSettingsSource(GetParam().settings);
    user().typeInto(0, QString::fromUtf8(GetParam().r));
    user().typeInto(1, QString::fromUtf8(GetParam().l));
    user().pressCalculate();
    EXPECT_EQ(user().fieldTexts(), GetParam().expected);
    user().pressCalculate();
    EXPECT_EQ(user().fieldTexts(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, RegionalCalculation,
    ::testing::Values(
        RegionalCase{"bg_BG",
                     bulgarianSettings,
                     "3",
                     "5",
                     {"3,0000000", "5,0000000", "4,0000000", "47,1238898", "37,6991118"}},
        RegionalCase{"bg_BG_comma_typed",
                     bulgarianSettings,
                     "2,5",
                     "6,5",
                     {"2,5000000", "6,5000000", "6,0000000", "51,0508806", "39,2699082"}},
        RegionalCase{"de_DE_grouped",
                     germanSettings,
                     "1234",
                     "2000",
                     // V needs more digits than a double holds; the last
                     // three are the double's own.
                     {"1.234,0000000", "2.000,0000000", "1.573,9263007", "7.753.450,6690596",
                      "2.509.824.358,7569661"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmora::test

namespace velmora::test {
namespace {

TEST_F(BehaviourTest, APasteTakesWhatFits) {
    QApplication::clipboard()->setText(QStringLiteral("123456789"));
    ValueField* r = window->Text2[0];
    QTest::mouseClick(r, Qt::LeftButton);
    QTest::keyClicks(r, QStringLiteral("9"));
    QTest::keyClick(r, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(r->text(), QStringLiteral("9123456"));
    // A full field takes nothing more.
    QTest::keyClick(r, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(r->text(), QStringLiteral("9123456"));
}

TEST_F(BehaviourTest, LockedFieldsRefuseTypingAndPasting) {
    QApplication::clipboard()->setText(QStringLiteral("12"));
    ValueField* h = window->Text2[2];
    QTest::mouseClick(h, Qt::LeftButton);
    QTest::keyClicks(h, QStringLiteral("34"));
    QTest::keyClick(h, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(h->text().isEmpty());
}

} // namespace
} // namespace velmora::test

namespace velmora::test {
namespace {

// Undoing an edit of a result brings back the result, not another number.
TEST_F(BehaviourTest, UndoAfterEditingAResultRestoresIt) {
    user().typeInto(0, QStringLiteral("3"));
    user().typeInto(1, QStringLiteral("5"));
    user().pressCalculate();
    ValueField* l = window->Text2[1];
    QTest::mouseClick(l, Qt::LeftButton);
    for (int key : {Qt::Key_Delete, Qt::Key_Backspace}) {
        QTest::keyClick(l, Qt::Key_Home);
        QTest::keyClick(l, Qt::Key_Right);
        QTest::keyClick(l, static_cast<Qt::Key>(key));
        EXPECT_EQ(l->text().size(), 8);
        QTest::keyClick(l, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(l->text(), QStringLiteral("5.0000000"));
    }
}

} // namespace
} // namespace velmora::test

namespace velmora::test {
namespace {

TEST_F(BehaviourTest, TheEntryInForceStaysMarkedAfterACtrlClick) {
    QListWidget* list = window->List1[0];
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(list->item(0)->isSelected());
    expectCombination(0);
}

} // namespace
} // namespace velmora::test
