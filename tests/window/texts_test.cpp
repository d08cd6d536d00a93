// The texts of the window: the controls' captions, the two texts it holds,
// Qt's own texts, and the program's own messages and tooltips, read for the
// faults a Bulgarian editor marks.
#include "accessible_texts.h"
#include "application_setup.h"
#include "layout_table.h"
#include "messages.h"
#include "qt_text.h"
#include "shown_values.h"
#include "table_rows.h"
#include "textbook_solution.h"
#include "user_actions.h"
#include "window_test_support.h"
#include "window_texts.h"
#include "worked_solution.h"

#include <velmora/constants.h>
#include <velmora/value_text.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::test {
namespace {

// Each captioned control shows the caption of its row of the layout table,
// and the list the labels of the combinations, character for character.
TEST_F(WindowTest, ControlsShowTheCaptionsOfTheirTableRows) {
    for (const layout::ControlLayout& c : layout::kControls) {
        if (c.content != layout::Content::Caption)
            continue;
        const QWidget* widget = member(*window, layout::controlId(c.name, c.index));
        SCOPED_TRACE(describe(widget));
        const char* caption = qobject_cast<const QGroupBox*>(widget) ? "title" : "text";
        EXPECT_EQ(widget->property(caption).toString(), toQString(c.caption));
    }
    ASSERT_EQ(window->List1[0]->count(), static_cast<int>(kListedPairs.size()));
    for (std::size_t i = 0; i < kListedPairs.size(); ++i)
        EXPECT_EQ(window->List1[0]->item(static_cast<int>(i))->text(),
                  toQString(kListedPairs[i].label));
}

// The assignment and the hidden saying, as their text boxes hold them: each
// CR LF of the program's text is one line break, and nothing is lost.
struct HeldText {
    const char* name;
    std::size_t box; // Text1(box)
    std::string_view text;
};

class HeldTexts : public WindowTest, public ::testing::WithParamInterface<HeldText> {};

TEST_P(HeldTexts, ReadWholeWithOneBreakForEachCrLf) {
    QString shown = window->Text1[GetParam().box]->toPlainText();
    shown.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    EXPECT_EQ(shown, toQString(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Window, HeldTexts,
                         ::testing::Values(HeldText{"Assignment", 0, texts::kAssignmentText},
                                           HeldText{"Saying", 1, texts::kSaying}),
                         rowName);

// Qt's own texts are Bulgarian like the window, whatever the user's locale:
// the context menus of the value fields and of the assignment, and the
// button of the program's message box. The window and its messages are laid
// out left to right, also under a right-to-left language.
struct QtText {
    const char* name;
    const char* locale;
    const char* where; // "Text2", "Text1" or "message box"
    int entry;         // the menu's entry, counted without separators
    const char* expected;
};

class QtTexts : public WindowTest, public ::testing::WithParamInterface<QtText> {
protected:
    // The program reads the user's locale as it starts; here the default
    // locale stands in for it, and the application is set up again.
    void SetUp() override {
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().locale)));
        configureApplication(*qApp);
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        QLocale::setDefault(QLocale::system());
        configureApplication(*qApp);
    }

    // The text of an entry of the standard context menu of R's field or of
    // the assignment, without its shortcut.
    QString menuEntry(int entry) {
        showActive(); // R's field is editable from start-up on
        std::unique_ptr<QMenu> menu;
        if (QString::fromLatin1(GetParam().where) == QLatin1String("Text2"))
            menu.reset(window->Text2[0]->createStandardContextMenu());
        else
            menu.reset(window->Text1[0]->createStandardContextMenu());
        QStringList entries;
        for (const QAction* a : menu->actions()) {
            if (!a->isSeparator() && a->isVisible())
                entries += a->text().section(QLatin1Char('\t'), 0, 0);
        }
        return entries.value(entry, QStringLiteral("(no entry %1)").arg(entry));
    }

    // The button of the message box that Calculate shows for R = 5, L = 4.
    QString messageBoxButton() {
        showActive();
        UserActions user(*window);
        user.typeInto(0, QStringLiteral("5"));
        user.typeInto(1, QStringLiteral("4"));
        QString text = QStringLiteral("(no message box)");
        QTimer::singleShot(0, [&text] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (const QAbstractButton* ok = box->button(QMessageBox::Ok))
                    text = ok->text();
                EXPECT_EQ(box->layoutDirection(), Qt::LeftToRight);
                box->accept();
            }
        });
        user.pressCalculate();
        return text;
    }
};

TEST_P(QtTexts, AreBulgarianAndLeftToRight) {
    const QtText& t = GetParam();
    const QString shown = QString::fromLatin1(t.where) == QLatin1String("message box")
                              ? messageBoxButton()
                              : menuEntry(t.entry);
    EXPECT_EQ(shown, QString::fromUtf8(t.expected));
    EXPECT_EQ(window->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(window->List1[0]->layoutDirection(), Qt::LeftToRight);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, QtTexts,
    ::testing::Values(QtText{"Bulgarian_AssignmentCopy", "bg_BG", "Text1", 0, "&Копиране"},
                      QtText{"German_FieldUndo", "de_DE", "Text2", 0, "&Отмяна"},
                      QtText{"Arabic_MessageBoxOk", "ar_EG", "message box", 0, "Добре"}),
    rowName);

// ---- The program's own texts, each read once in Bulgarian

// A text and where it shows.
using PlacedText = std::pair<std::string, QString>;

// Every message, tooltip and screen reader text of the window, and the
// solution of each combination, for a cone with R = 3, L = 5 (two for S V
// and L V), in bg_BG.
std::vector<PlacedText> programTexts(const Velmora& window) {
    const NumberSettings settings = bulgarianSettings();
    std::vector<PlacedText> texts;
    auto add = [&texts](std::string where, const QString& text) {
        if (!text.isEmpty())
            texts.emplace_back(std::move(where), text);
    };
    auto addMessage = [&](const std::string& where, const UserMessage& m) {
        add(where + " title", m.title);
        add(where, m.text);
    };
    add("window description", toQString(accessibility::kWindowDescription));
    for (const accessibility::AccessibleText& a : accessibility::kAccessibleTexts) {
        add(std::string(layout::controlId(a.name, a.index)), toQString(a.accessibleName));
        add(std::string(layout::controlId(a.name, a.index)), toQString(a.description));
    }
    for (const accessibility::EntryText& e : accessibility::kEntryTexts) {
        add("list entry", toQString(e.accessibleName));
        add("list entry", toQString(e.description));
    }
    add("picture tooltip", window.Picture1->toolTip());
    add("copy entry", worked_solution::copyEntryText());
    add("no solution yet", textbook::noSolutionYet());
    add("solution outdated", textbook::solutionOutdated());
    addMessage("out of range", outOfRangeMessage());

    constexpr ConeValues kCone{{3, 5, 4, 15 * kPi, 12 * kPi}};
    for (const GivenPair& pair : kListedPairs) {
        const std::string name = "pair " + std::string(pair.label) + ": ";
        addMessage(name + "no cone", noConeMessage(pair, 3, settings));
        const double first = kCone.bySlot[static_cast<std::size_t>(slotOf(pair.first))];
        const double second = kCone.bySlot[static_cast<std::size_t>(slotOf(pair.second))];
        const std::vector<ConeValues> cones = ConeSolver{}.solveAll(pair.number, first, second);
        if (cones.empty()) {
            ADD_FAILURE() << name << "no cone";
            continue;
        }
        if (findTwoConePair(pair.number)) {
            ShownCone other;
            for (std::size_t i = 0; i < kQuantityCount; ++i)
                other[i] = shownValueInMessage(cones.back().bySlot[i], settings);
            addMessage(name + "second cone", secondConeMessage(pair, other));
            addMessage(name + "largest volume",
                       largestVolumeMessage(pair, shownValueInMessage(first, settings),
                                            shownValueInMessage(2 * second, settings)));
        }
        for (const QStringList& lines : worked_solution::derivation(pair, cones.front(), settings))
            add(name + "tooltip", lines.join(u'\n'));
        for (const bool byHand : {false, true}) {
            textbook::Problem problem{pair, cones, {}, settings, byHand};
            for (std::size_t i = 0; i < problem.given.size(); ++i) {
                const double value = i == 0 ? first : second;
                problem.given[i].typed = shownValue(value, settings);
                problem.given[i].exact =
                    readExactValue(problem.given[i].typed.toStdString(), settings);
            }
            add(name + "solution", textbook::solution(problem).join(u'\n'));
        }
    }
    return texts;
}

// What a Bulgarian editor marks, each with a fault it finds.
struct TextRule {
    const char* name;
    const char* pattern;
    const char* fault;
};

class TextRules : public WindowTest, public ::testing::WithParamInterface<TextRule> {};

TEST_P(TextRules, FindNoFaultInTheProgramsTexts) {
    const TextRule& rule = GetParam();
    const QRegularExpression pattern(QString::fromUtf8(rule.pattern),
                                     QRegularExpression::UseUnicodePropertiesOption |
                                         QRegularExpression::MultilineOption);
    ASSERT_TRUE(pattern.isValid()) << pattern.errorString().toStdString();
    ASSERT_TRUE(pattern.match(QString::fromUtf8(rule.fault)).hasMatch()) << rule.fault;
    const std::vector<PlacedText> texts = programTexts(*window);
    ASSERT_GT(texts.size(), 100u);
    for (const auto& [where, text] : texts) {
        const QRegularExpressionMatch found = pattern.match(text);
        EXPECT_FALSE(found.hasMatch())
            << where << ": \""
            << text.mid(std::max<qsizetype>(found.capturedStart() - 12, 0), 30).toStdString()
            << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bulgarian, TextRules,
    ::testing::Values(
        // A Latin letter where a Cyrillic one is meant: "Oбем", "конуc".
        TextRule{"LatinLetterInACyrillicWord", R"(\p{Cyrillic}\p{Latin}|\p{Latin}\p{Cyrillic})",
                 "Oбем"},
        // ...or the Latin twin of a one-letter word: "c тези", "S a V".
        TextRule{"LatinOneLetterWord", R"((?<![\w.])[aceo](?![\w(]))", "c тези стойности"},
        // A dash between words is an en dash, a minus in a formula is −.
        TextRule{"HyphenBetweenBlanks", R"(\s-\s)", "R - радиус"},
        TextRule{"DoubledBlank", R"([ \x{00a0}]{2})", "два  конуса"},
        TextRule{"BlankAtTheEndOfALine", R"([ \x{00a0}]$)", "Няма конус. \nСтойностите"}),
    rowName);

} // namespace
} // namespace velmora::test
