// The window «Решение»: how it opens and closes, what it says before and
// after a calculation, the solution as a textbook writes it for each
// combination, values typed as the textbook gives them, and «π ≈ 3,14».
#include "solution_window_fixture.h"
#include "table_rows.h"
#include "textbook_solution.h"

#include <velmora/cone_quantity.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include <functional>

namespace velmora::test {
namespace {

// ---- Opening and closing

struct OpeningCase {
    const char* name;
    void (*open)(SolutionWindowTest&, Velmora&);
};

class Opening : public SolutionWindowTest, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(Opening, ShowsTheWindowBuiltOnlyWhenFirstAsked) {
    ASSERT_EQ(solutionWindow(), nullptr) << "built before it was asked for";
    GetParam().open(*this, *window);
    ASSERT_NE(solutionWindow(), nullptr);
    EXPECT_TRUE(solutionWindow()->isVisible());
    EXPECT_EQ(solutionWindow()->windowTitle(), QStringLiteral("Решение"));
    EXPECT_EQ(shown(), textbook::noSolutionYet());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ways, Opening, ::testing::Values(
    OpeningCase{"click_on_the_picture", [](SolutionWindowTest&, Velmora& w) {
        QTest::mouseClick(w.Picture1, Qt::LeftButton); }},
    OpeningCase{"enter_on_the_picture", [](SolutionWindowTest&, Velmora& w) {
        w.Picture1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.Picture1, Qt::Key_Return); }},
    OpeningCase{"space_on_the_picture", [](SolutionWindowTest&, Velmora& w) {
        w.Picture1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.Picture1, Qt::Key_Space); }},
    OpeningCase{"context_menu", [](SolutionWindowTest&, Velmora& w) {
        useContextMenu(w.Text2[3], [](QMenu& menu) {
            for (QAction* a : menu.actions())
                if (a->text() == QStringLiteral("Решение…"))
                    a->trigger();
        }); }},
    OpeningCase{"ctrl_r", [](SolutionWindowTest& t, Velmora&) {
        t.openByKeys(); }}),
    rowName);
// clang-format on

TEST_F(SolutionWindowTest, EscapeClosesItAndSoDoesClosingTheMainWindow) {
    openByClick();
    ASSERT_NE(solutionWindow(), nullptr);
    solutionWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(solutionWindow()));
    QWidget* focus = solutionWindow()->focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Escape);
    EXPECT_FALSE(solutionWindow()->isVisible());

    openByClick();
    ASSERT_TRUE(solutionWindow()->isVisible());
    window->close();
    EXPECT_FALSE(solutionWindow()->isVisible());
}

// It follows each calculation, and says what to do instead of showing a
// solution that the fields no longer hold.
TEST_F(SolutionWindowTest, FollowsEachCalculationAndNeverShowsAnOldOne) {
    openByClick();
    user().calculate(0, QStringLiteral("3"), QStringLiteral("5"));
    EXPECT_TRUE(shown().contains(QStringLiteral("Дадено: R = 3; L = 5"))) << shown().toStdString();
    user().typeInto(0, QStringLiteral("6"));
    EXPECT_EQ(shown(), textbook::solutionOutdated());
    user().typeInto(1, QStringLiteral("10"));
    user().pressCalculate();
    EXPECT_TRUE(shown().contains(QStringLiteral("Дадено: R = 6; L = 10"))) << shown().toStdString();
    user().pressClear();
    EXPECT_EQ(shown(), textbook::solutionOutdated());
}

// «Копирай решението» copies what the window shows, and a failed
// calculation leaves the solution before it.
TEST_F(SolutionWindowTest, CopyGivesTheTextShown) {
    openByClick();
    user().calculate(5, QStringLiteral("10"), QStringLiteral("60π"));
    QApplication::clipboard()->clear();
    QPushButton* copy = nullptr;
    for (QPushButton* b : solutionWindow()->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Копирай решението"))
            copy = b;
    ASSERT_NE(copy, nullptr);
    ASSERT_TRUE(copy->isEnabled());
    QTest::mouseClick(copy, Qt::LeftButton);
    QString copied = QApplication::clipboard()->text();
#ifdef Q_OS_WIN
    copied.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    EXPECT_EQ(copied, shown() + u'\n');
}

// ---- The solution of each combination

struct SolutionCase {
    const char* name;
    int entry;
    const char* first;
    const char* second;
    std::vector<const char*> lines; // each a whole line of the solution
};

class Solution : public SolutionWindowTest, public ::testing::WithParamInterface<SolutionCase> {};

TEST_P(Solution, IsWrittenAsTheTextbookWritesIt) {
    const SolutionCase& c = GetParam();
    openByClick();
    user().calculate(c.entry, QString::fromUtf8(c.first), QString::fromUtf8(c.second));
    const QStringList lines = shown().split(u'\n');
    EXPECT_EQ(lines.value(0), QStringLiteral("Прав кръгов конус"));
    for (const char* line : c.lines)
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line << "\nin:\n"
                                                             << shown().toStdString();
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Отговор: "))) << lines.last().toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pairs, Solution, ::testing::Values(
    SolutionCase{"R_L", 0, "3", "5", {
        "Дадено: R = 3; L = 5",
        "Търси се: H, S, V, B, S₁, α, Q, φ",
        "H = √(L² − R²) = √(5² − 3²) = √16 = 4",
        "S = π·R·L = π·3·5 = 15π ≈ 47,1238898",
        "V = π·R²·H/3 = π·3²·4/3 = 12π ≈ 37,6991118",
        "Лице на основата: B = π·R² = π·3² = 9π ≈ 28,2743339",
        "Пълна повърхнина: S₁ = S + B = π·R·(R + L) = π·3·(3 + 5) = 24π ≈ 75,3982237",
        "Централен ъгъл на развивката: α = 360°·R/L = 360°·3/5 = 216°",
        "Лице на осното сечение: Q = R·H = 3·4 = 12",
        "Ъгъл при върха на осното сечение: 2·arcsin(R/L) = 2·arcsin(3/5) ≈ 73°44′",
        "Отговор: H = 4; S = 15π ≈ 47,1238898; V = 12π ≈ 37,6991118; B = 9π ≈ 28,2743339; "
        "S₁ = 24π ≈ 75,3982237; α = 216°; Q = 12; φ ≈ 53°08′"}},
    SolutionCase{"R_H_a_root", 1, "3", "3", {
        "L = √(R² + H²) = √(3² + 3²) = √18 = 3√2 ≈ 4,2426407",
        "S = π·R·L = π·3·3√2 = 9√2·π ≈ 39,9859464",
        "V = π·R²·H/3 = π·3²·3/3 = 9π ≈ 28,2743339",
        "Пълна повърхнина: S₁ = S + B = π·R·(R + L) = π·3·(3 + 3√2) ≈ 68,2602803"}},
    SolutionCase{"R_H_a_third", 1, "1", "1", {
        "L = √(R² + H²) = √(1² + 1²) = √2 ≈ 1,4142136",
        "V = π·R²·H/3 = π·1²·1/3 = π/3 ≈ 1,0471976"}},
    SolutionCase{"R_S_a_tenth", 2, "0,1", "0,02π", {
        "Дадено: R = 0,1; S = π/50",
        "L = S/(π·R) = (π/50)/(π·0,1) = 0,2",
        "H = √(L² − R²) = √(0,2² − 0,1²) = √0,03 = √3/10 ≈ 0,1732051"}},
    SolutionCase{"R_V", 3, "3", "12π", {
        "H = 3·V/(π·R²) = 3·12π/(π·3²) = 4",
        "L = √(R² + H²) = √(3² + 4²) = √25 = 5"}},
    SolutionCase{"L_H", 4, "5", "4", {
        "R = √(L² − H²) = √(5² − 4²) = √9 = 3"}},
    SolutionCase{"L_S_typed_with_pi", 5, "10", "60π", {
        "Дадено: L = 10; S = 60π",
        "R = S/(π·L) = 60π/(π·10) = 6",
        "H = √(L² − R²) = √(10² − 6²) = √64 = 8",
        "V = π·R²·H/3 = π·6²·8/3 = 96π ≈ 301,5928947",
        "Пълна повърхнина: S₁ = S + B = π·R·(R + L) = π·6·(6 + 10) = 96π ≈ 301,5928947"}},
    SolutionCase{"H_S_through_an_equation", 6, "4", "15π", {
        "От S = π·R·L и L² = R² + H² следва S² = π²·R²·(R² + H²).",
        "Полагаме x = R²: π²·x² + π²·H²·x − S² = 0, квадратно уравнение за x.",
        "R = √((√(H⁴ + 4·S²/π²) − H²)/2) = √((√(4⁴ + 4·(15π)²/π²) − 4²)/2) = √9 = 3",
        "L = √(H² + R²) = √(4² + 3²) = √25 = 5"}},
    SolutionCase{"H_V_decimals_only", 7, "2", "7", {
        "R = √(3·V/(π·H)) = √(3·7/(π·2)) ≈ 1,8281832",
        "Лице на основата: B = π·R² = π·1,8281832² ≈ 10,5000000"}},
    SolutionCase{"S_V_two_cones", 8, "10", "2", {
        "Полагаме y = R/L; тогава H²/L² = 1 − y² и 9·π·V²/S³ = y − y³.",
        "Уравнението има два положителни корена под 1, намерени приближено; всеки дава конус.",
        "Първи конус (с по-голям радиус):",
        "Отношението y = R/L е положителен корен на уравнението y³ − y + 0,1130973 = 0, "
        "намерен приближено: y ≈ 0,9377614",
        "R = √(S·y/π) = √(10·0,9377614/π) ≈ 1,7277116",
        "Втори конус (с по-малък радиус):",
        "R = √(S·y/π) = √(10·0,1146025/π) ≈ 0,6039794",
        "Проверка: π·R·L ≈ 10,0000000; π·R²·H/3 ≈ 2,0000000"}},
    SolutionCase{"L_V_two_cones", 9, "5", "40", {
        "Полагаме t = H/L; тогава 3·V/(π·L³) = t − t³.",
        "H = t·L = 0,3475632·5 ≈ 1,7378159",
        "Втори конус (с по-малък радиус):",
        "H = t·L = 0,779843·5 ≈ 3,8992150"}}),
    rowName);
// clang-format on

// A value typed as "60π" is rewritten as its decimal, and the next
// Calculate on that text still knows the exact value it came from.
TEST_F(SolutionWindowTest, ARewrittenValueKeepsItsExactValue) {
    openByClick();
    user().calculate(5, QStringLiteral("10"), QStringLiteral("60π"));
    const FieldTexts first = user().fieldTexts();
    EXPECT_EQ(first[3], QStringLiteral("188,4955592"));
    EXPECT_EQ(first[0], QStringLiteral("6,0000000"));
    user().pressCalculate();
    EXPECT_EQ(user().fieldTexts(), first);
    EXPECT_TRUE(shown().contains(QStringLiteral("Дадено: L = 10; S = 60π")))
        << shown().toStdString();
    EXPECT_TRUE(shown().contains(QStringLiteral("V = π·R²·H/3 = π·6²·8/3 = 96π")))
        << shown().toStdString();
    // Typed anew as its decimal, it is that decimal.
    user().typeInto(3, QStringLiteral("188,49"));
    user().pressCalculate();
    EXPECT_TRUE(shown().contains(QStringLiteral("Дадено: L = 10; S = 188,49")))
        << shown().toStdString();
}

// «π ≈ 3,14» writes the decimals as a pupil computes them; the exact forms
// and the main window's fields stay.
TEST_F(SolutionWindowTest, HandCalculationRoundsToHundredthsWithPiAs314) {
    openByClick();
    user().calculate(0, QStringLiteral("3"), QStringLiteral("5"));
    const FieldTexts fields = user().fieldTexts();
    QCheckBox* hand = solutionWindow()->findChild<QCheckBox*>();
    ASSERT_NE(hand, nullptr);
    QTest::mouseClick(hand, Qt::LeftButton);
    EXPECT_TRUE(shown().contains(QStringLiteral("S = π·R·L = π·3·5 = 15π ≈ 47,1\n")))
        << shown().toStdString();
    EXPECT_TRUE(shown().contains(QStringLiteral("V = π·R²·H/3 = π·3²·4/3 = 12π ≈ 37,68")))
        << shown().toStdString();
    EXPECT_TRUE(shown().contains(QStringLiteral("H = √(L² − R²) = √(5² − 3²) = √16 = 4\n")));
    EXPECT_EQ(user().fieldTexts(), fields);
    QTest::mouseClick(hand, Qt::LeftButton);
    EXPECT_TRUE(shown().contains(QStringLiteral("15π ≈ 47,1238898"))) << shown().toStdString();
}

} // namespace
} // namespace velmora::test
