// How each value follows, after Calculate: the fields' tooltips and
// accessible descriptions, and the worked solution that «Копирай решението»
// and Ctrl+Shift+C put on the clipboard. All through real input events.
#include "solution_window_fixture.h"
#include "table_rows.h"

#include <velmora/cone_quantity.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include <functional>

namespace velmora::test {
namespace {

const QString kCopyEntry = QStringLiteral("Копирай решението");
constexpr QKeyCombination kCopyKeys(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_C);

// A tooltip as a reader reads it: without the places where it may wrap.
QString toolTipOf(const ValueField* field) {
    return field->toolTip().remove(QChar(0x200B));
}

QString descriptionOf(ValueField* field) {
    return QAccessible::queryAccessibleInterface(field)->text(QAccessible::Description);
}

class WorkedSolutionTest : public SolutionWindowTest {
protected:
    // Opens the context menu of `field` as a right click does; gives whether
    // it offers the copy entry enabled, and chooses it when asked to.
    bool copyEntryEnabled(ValueField* field, bool choose = false) {
        bool enabled = false;
        int found = 0;
        useContextMenu(field, [&](QMenu& menu) {
            for (QAction* a : menu.actions())
                if (a->text() == kCopyEntry) {
                    ++found;
                    enabled = a->isEnabled();
                    if (choose)
                        a->trigger();
                }
        });
        EXPECT_EQ(found, 1);
        return enabled;
    }

    // Presses Ctrl+Shift+C where the focus is; gives the clipboard's text.
    QString pressCopyKeys() {
        QApplication::clipboard()->setText(QStringLiteral("untouched"));
        // A window manager gives the window back the keyboard when a menu
        // or a message closes; the offscreen platform has none.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus != nullptr ? focus : window.get(), kCopyKeys.key(),
                        kCopyKeys.keyboardModifiers());
        return QApplication::clipboard()->text();
    }
};

// ---- The tooltip of every field after a calculation, one row per pair

struct TooltipCase {
    const char* name;
    NumberSettings (*settings)();
    int entry;
    const char* first;
    const char* second;
    std::array<const char*, 5> tooltips; // "": the field's own tooltip (none here)
};

class Tooltips : public WorkedSolutionTest, public ::testing::WithParamInterface<TooltipCase> {};

TEST_P(Tooltips, TellHowEachComputedValueFollows) {
    const TooltipCase& c = GetParam();
    window->setNumberSettings(c.settings());
    std::array<QString, 5> plainDescriptions;
    for (std::size_t i = 0; i < plainDescriptions.size(); ++i)
        plainDescriptions[i] = descriptionOf(window->Text2[i]);
    user().calculate(c.entry, QString::fromUtf8(c.first), QString::fromUtf8(c.second));
    for (std::size_t i = 0; i < c.tooltips.size(); ++i) {
        ValueField* field = window->Text2[i];
        SCOPED_TRACE(describe(field));
        const QString expected = QString::fromUtf8(c.tooltips[i]);
        EXPECT_EQ(toolTipOf(field), expected);
        // A screen reader reads the same; a field that tells nothing more
        // keeps its description.
        EXPECT_EQ(descriptionOf(field), expected.isEmpty() ? plainDescriptions[i] : expected);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pairs, Tooltips, ::testing::Values(
    TooltipCase{"R_L", bulgarianSettings, 0, "3", "5",
                {"", "", "H = √(L² − R²) = √(5² − 3²) = 4",
                 "S = π·R·L = π·3·5 ≈ 47,1238898",
                 "V = π·R²·H/3 = π·3²·4/3 ≈ 37,6991118"}},
    TooltipCase{"R_H", bulgarianSettings, 1, "3", "4",
                {"", "L = √(R² + H²) = √(3² + 4²) = 5", "",
                 "S = π·R·L = π·3·5 ≈ 47,1238898",
                 "V = π·R²·H/3 = π·3²·4/3 ≈ 37,6991118"}},
    // A value computed earlier is put in as its field shows it.
    TooltipCase{"R_S", bulgarianSettings, 2, "3", "50",
                {"", "L = S/(π·R) = 50/(π·3) ≈ 5,3051648",
                 "H = √(L² − R²) = √(5,3051648² − 3²) ≈ 4,3754741", "",
                 "V = π·R²·H/3 = π·3²·4,3754741/3 ≈ 41,2378715"}},
    TooltipCase{"L_H", bulgarianSettings, 4, "5", "4",
                {"R = √(L² − H²) = √(5² − 4²) = 3", "", "",
                 "S = π·R·L = π·3·5 ≈ 47,1238898",
                 "V = π·R²·H/3 = π·3²·4/3 ≈ 37,6991118"}},
    TooltipCase{"L_S", bulgarianSettings, 5, "5", "50",
                {"R = S/(π·L) = 50/(π·5) ≈ 3,1830989", "",
                 "H = √(L² − R²) = √(5² − 3,1830989²) ≈ 3,8558892", "",
                 "V = π·R²·H/3 = π·3,1830989²·3,8558892/3 ≈ 40,9122552"}},
    TooltipCase{"H_S", bulgarianSettings, 6, "4", "50",
                {"π²·R⁴ + π²·H²·R² − S² = 0, тоест π²·R⁴ + π²·4²·R² − 50² = 0\n"
                 "R = √((√(H⁴ + 4·S²/π²) − H²)/2) = √((√(4⁴ + 4·50²/π²) − 4²)/2) ≈ 3,1325708",
                 "L = √(H² + R²) = √(4² + 3,1325708²) ≈ 5,0806495", "", "",
                 "V = π·R²·H/3 = π·3,1325708²·4/3 ≈ 41,1045971"}},
    TooltipCase{"H_V_point", plainSettings, 7, "4", "37.6991",
                {"R = √(3·V/(π·H)) = √(3·37.6991/(π·4)) ≈ 2.9999995",
                 "L = √(H² + R²) = √(4² + 2.9999995²) ≈ 4.9999997", "",
                 "S = π·R·L = π·2.9999995·4.9999997 ≈ 47.1238797", ""}},
    TooltipCase{"L_V", bulgarianSettings, 9, "5", "40",
                {"R = √(L² − H²) = √(5² − 1,7378159²) ≈ 4,6882828", "",
                 "q = 3·V/(π·L³) = 3·40/(π·5³) ≈ 0,3055775\n"
                 "Отношението t = H/L е положителен корен на уравнението t³ − t + 0,3055775 = 0, "
                 "намерен приближено: t ≈ 0,3475632\n"
                 "H = t·L = 0,3475632·5 ≈ 1,7378159",
                 "S = π·R·L = π·4,6882828·5 ≈ 73,6433745", ""}},
    // "=" only for a value that is exact: 0,4 though the doubles miss it,
    // the 0 of a flat cone, but not what follows from a given value put in
    // rounded (√2 as 1,4142136).
    TooltipCase{"exact_decimal", bulgarianSettings, 0, "0,3", "0,5",
                {"", "", "H = √(L² − R²) = √(0,5² − 0,3²) = 0,4",
                 "S = π·R·L = π·0,3·0,5 ≈ 0,4712389",
                 "3,76991118430775·10⁻²\n"
                 "V = π·R²·H/3 = π·0,3²·0,4/3 ≈ 3,76991118430775·10⁻²"}},
    TooltipCase{"flat_cone", bulgarianSettings, 0, "5", "5",
                {"", "", "H = √(L² − R²) = √(5² − 5²) = 0", "S = π·R·L = π·5·5 ≈ 78,5398163",
                 "V = π·R²·H/3 = π·5²·0/3 = 0"}},
    TooltipCase{"given_form_put_in_rounded", bulgarianSettings, 4, "2", "√2",
                {"R = √(L² − H²) = √(2² − 1,4142136²) ≈ 1,4142136", "", "",
                 "S = π·R·L = π·1,4142136·2 ≈ 8,8857659",
                 "V = π·R²·H/3 = π·1,4142136²·1,4142136/3 ≈ 2,9619220"}},
    // Values that the seven decimals show as zero, or with too few digits,
    // come first with fifteen digits and a power of ten, and go into the
    // formulas so.
    TooltipCase{"tiny_results", bulgarianSettings, 0, "0,001", "0,002",
                {"", "",
                 "1,73205080756888·10⁻³\nH = √(L² − R²) = √(0,002² − 0,001²) ≈ 1,73205080756888·10⁻³",
                 "6,28318530717958·10⁻⁶\nS = π·R·L = π·0,001·0,002 ≈ 6,28318530717958·10⁻⁶",
                 "1,81379936423422·10⁻⁹\n"
                 "V = π·R²·H/3 = π·0,001²·(1,73205080756888·10⁻³)/3 ≈ 1,81379936423422·10⁻⁹"}},
    TooltipCase{"given_value_shown_as_zero", bulgarianSettings, 0, "1e-9", "1",
                {"1·10⁻⁹", "", "H = √(L² − R²) = √(1² − (1·10⁻⁹)²) ≈ 1,0000000",
                 "3,14159265358979·10⁻⁹\nS = π·R·L = π·(1·10⁻⁹)·1 ≈ 3,14159265358979·10⁻⁹",
                 "1,0471975511966·10⁻¹⁸\nV = π·R²·H/3 = π·(1·10⁻⁹)²·1/3 ≈ 1,0471975511966·10⁻¹⁸"}}),
    rowName);
// clang-format on

TEST_F(WorkedSolutionTest, TooltipsAndDescriptionsGoWhenTheFieldsChange) {
    user().calculate(0, QStringLiteral("3"), QStringLiteral("5"));
    ASSERT_FALSE(toolTipOf(window->Text2[2]).isEmpty());
    const QString plain =
        QStringLiteral("Височината на конуса; въвежда се, когато е сред двете дадени величини");
    user().typeInto(0, QStringLiteral("4"));
    EXPECT_EQ(toolTipOf(window->Text2[2]), QString());
    EXPECT_EQ(descriptionOf(window->Text2[2]), plain);
}

// A tooltip holding long numbers wraps between their digit groups and fits
// on the screen, the value's own line first.
TEST_F(WorkedSolutionTest, LongNumbersInATooltipWrapInsideTheScreen) {
    user().calculate(1, QStringLiteral("1e100"), QStringLiteral("1e100"));
    ASSERT_TRUE(toolTipOf(window->Text2[4]).startsWith(window->Text2[4]->text() + u'\n'));
    for (ValueField* field : window->Text2) {
        SCOPED_TRACE(describe(field));
        const QPoint inside = field->rect().center();
        QHelpEvent event(QEvent::ToolTip, inside, field->mapToGlobal(inside));
        QApplication::sendEvent(field, &event);
        QLabel* tip = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible())
                tip = qobject_cast<QLabel*>(w);
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(tip->text(), field->toolTip());
        // No unbreakable run is wider than the tip, no line is cut off below
        // it, and the tip lies on the screen.
        EXPECT_LE(tip->minimumSizeHint().width(), tip->width());
        EXPECT_LE(tip->heightForWidth(tip->width()), tip->height());
        EXPECT_TRUE(tip->screen()->geometry().contains(tip->geometry()))
            << tip->geometry().width() << " wide";
        QToolTip::hideText();
    }
}

// ---- The worked solution on the clipboard

struct SolutionCase {
    const char* name;
    NumberSettings (*settings)();
    int entry;
    const char* first;
    const char* second;
    const char* solution; // lines ending in "\n"
};

class CopiedSolution : public WorkedSolutionTest,
                       public ::testing::WithParamInterface<SolutionCase> {};

TEST_P(CopiedSolution, IsTheWholeWorkedSolutionInPlainText) {
    const SolutionCase& c = GetParam();
    window->setNumberSettings(c.settings());
    user().calculate(c.entry, QString::fromUtf8(c.first), QString::fromUtf8(c.second));
    QString expected = QString::fromUtf8(c.solution);
#ifdef Q_OS_WIN
    expected.replace(u'\n', QStringLiteral("\r\n"));
#endif
    // Ctrl+Shift+C wherever the focus is.
    for (QWidget* focus :
         {static_cast<QWidget*>(window->Text2[4]), static_cast<QWidget*>(window->List1[0]),
          static_cast<QWidget*>(window->Text1[0])}) {
        focus->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(pressCopyKeys(), expected) << describe(focus);
    }
    QApplication::clipboard()->clear();
    EXPECT_TRUE(copyEntryEnabled(window->Text2[2], true));
    EXPECT_EQ(QApplication::clipboard()->text(), expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pairs, CopiedSolution, ::testing::Values(
    // In the order of computing: H before the L that needs it; the exact
    // form while every step keeps one.
    SolutionCase{"R_V", plainSettings, 3, "3", "40",
                 "Прав кръгов конус\n"
                 "Дадено: R = 3; V = 40\n"
                 "Търси се: L, H, S, B, S₁, α, Q, φ\n"
                 "Решение:\n"
                 "H = 3·V/(π·R²) = 3·40/(π·3²) = 40/(3π) ≈ 4.2441318\n"
                 "L = √(R² + H²) = √(3² + (40/(3π))²) ≈ 5.1973700\n"
                 "S = π·R·L = π·3·5.19737 ≈ 48.9840582\n"
                 "Лице на основата: B = π·R² = π·3² = 9π ≈ 28.2743339\n"
                 "Пълна повърхнина: S₁ = S + B = π·R·(R + L) = π·3·(3 + 5.19737) ≈ 77.2583921\n"
                 "Централен ъгъл на развивката: α = 360°·R/L = 360°·3/5.19737 ≈ 207.7974054° ≈ 207°48′\n"
                 "Лице на осното сечение: Q = R·H = 3·(40/(3π)) = 40/π ≈ 12.7323954\n"
                 "Ъгъл при върха на осното сечение: 2·arcsin(R/L) = 2·arcsin(3/5.19737) ≈ 70°31′\n"
                 "Ъгъл между образувателната и основата: φ = arccos(R/L) = arccos(3/5.19737) ≈ 54°45′\n"
                 "Отговор: H = 40/(3π) ≈ 4.2441318; L ≈ 5.1973700; S ≈ 48.9840582; B = 9π ≈ 28.2743339; "
                 "S₁ ≈ 77.2583921; α ≈ 207.7974054° ≈ 207°48′; Q = 40/π ≈ 12.7323954; φ ≈ 54°45′\n"}),
    rowName);
// clang-format on

// There is nothing to copy before a calculation succeeds, nor once a
// field's text has changed: the entry is disabled and the keys do nothing.
TEST_F(WorkedSolutionTest, NothingToCopyBeforeACalculationOrAfterTheFieldsChange) {
    struct Step {
        const char* what;
        std::function<void()> act;
        bool solutionAtHand;
    };
    const Step steps[] = {
        {"start", [] {}, false},
        {"given values typed",
         [&] {
             user().typeInto(0, QStringLiteral("3"));
             user().typeInto(1, QStringLiteral("5"));
         },
         false},
        {"no cone",
         [&] {
             user().typeInto(1, QStringLiteral("2"));
             user().closeMessageDuring([&] { user().pressCalculate(); });
         },
         false},
        {"calculated",
         [&] {
             user().typeInto(1, QStringLiteral("5"));
             user().pressCalculate();
         },
         true},
        {"Clear", [&] { user().pressClear(); }, false},
        {"calculated after Clear",
         [&] { user().calculate(0, QStringLiteral("3"), QStringLiteral("5")); }, true},
        {"given value edited", [&] { user().typeInto(0, QStringLiteral("4")); }, false},
        {"calculated after the edit", [&] { user().pressCalculate(); }, true},
        {"another combination", [&] { user().clickEntry(1); }, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(copyEntryEnabled(window->Text2[0]), step.solutionAtHand);
        const QString copied = pressCopyKeys();
        EXPECT_EQ(copied.startsWith(QStringLiteral("Прав кръгов конус")), step.solutionAtHand)
            << copied.toStdString();
    }
}

} // namespace
} // namespace velmora::test
