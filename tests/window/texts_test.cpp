// Every text of the window, character for character.
#include "fixed_texts.h"
#include "qt_text.h"
#include "window_test_support.h"

#include <velmora/cone_quantity.h>

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {
namespace {

constexpr auto q = toQString;

const std::vector<std::string> kAssignmentLines = {
    "Да се състави проект, чрез който се представят междупредметни връзки между Математика и "
    "Информатика.",
    "Тема на проекта: Математика - конус, радиус, височина, повърхнина, обем.",
    "Чрез проекта да се въвеждат по избор два параметъра от множеството: радиус, височина, "
    "повърхнина, обем и да се изчисляват дължините на останалите елементи в същия прав кръгов "
    "конус.",
    "Съобразно избраната начална комбинация параметри да се разрешава въвеждането само на два от "
    "изброените параметри. ",
    "Изборът на желаната комбинация параметри да се осъществи чрез списъчно поле, а размерите на "
    "конуса да се въвеждат в текстови полета.",
    "В проекта са използвани следните формули и означения:",
    "R -радиус на основата на кръговия конус;",
    "H - височина;",
    "L - образувателна на конуса.",
    "Използват се следните формули:",
    "Околна повърхнина: S = pi * R * L,",
    "Обем: V = pi * R * R * H / 3",
};

const std::vector<std::string> kSayingLines = {
    "Неприятното в това да си първият, направил нещо по ",
    "правилния начин, е, че никой не оценява колко трудно е ",
    "било. ",
};

std::string joinedWith(const std::vector<std::string>& lines, std::string_view lineEnd) {
    std::string text;
    for (const std::string& line : lines)
        text += line + std::string(lineEnd);
    return text;
}

TEST(FixedTexts, AssignmentIsTwelveLinesEachEndingInCrLf) {
    EXPECT_EQ(std::string(texts::kAssignmentText), joinedWith(kAssignmentLines, "\r\n"));
    // The line breaks are CR LF and nothing else.
    std::size_t crlf = 0;
    for (std::size_t pos = texts::kAssignmentText.find("\r\n"); pos != std::string_view::npos;
         pos = texts::kAssignmentText.find("\r\n", pos + 2))
        ++crlf;
    EXPECT_EQ(crlf, 12u);
    EXPECT_EQ(std::count(texts::kAssignmentText.begin(), texts::kAssignmentText.end(), '\n'), 12);
    EXPECT_EQ(std::count(texts::kAssignmentText.begin(), texts::kAssignmentText.end(), '\r'), 12);
    EXPECT_TRUE(texts::kAssignmentText.ends_with("H / 3\r\n"));
    // Line 4 keeps its blank before the line break.
    EXPECT_NE(texts::kAssignmentText.find("параметри. \r\nИзборът"), std::string_view::npos);
}

TEST(FixedTexts, SayingIsThreeLinesEachEndingInBlankCrLf) {
    EXPECT_EQ(std::string(texts::kSaying), joinedWith(kSayingLines, "\r\n"));
    EXPECT_EQ(std::count(texts::kSaying.begin(), texts::kSaying.end(), '\n'), 3);
    EXPECT_EQ(std::count(texts::kSaying.begin(), texts::kSaying.end(), '\r'), 3);
    for (const std::string& line : kSayingLines)
        EXPECT_TRUE(line.ends_with(' ')) << line;
}

// The caption is the web address without its scheme, a blank and the title:
// as the program holds it, as the title bar shows it and as a screen reader
// names the window.
struct CaptionRow {
    const char* name;
    QString (*text)(const Velmora& window);
    const char* expected;
};

class Caption : public WindowTest, public ::testing::WithParamInterface<CaptionRow> {};

TEST_P(Caption, ReadsAsExpected) {
    EXPECT_EQ(GetParam().text(*window), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Caption,
    ::testing::Values(CaptionRow{"WebAddress", [](const Velmora&) { return q(texts::kWebAddress); },
                                 "https://velmora.bg"},
                      CaptionRow{"FixedText",
                                 [](const Velmora&) { return q(texts::kWindowCaption); },
                                 "velmora.bg Математика - конус, повърхнина и обем"},
                      CaptionRow{"WindowTitle", [](const Velmora& w) { return w.windowTitle(); },
                                 "velmora.bg Математика - конус, повърхнина и обем"},
                      CaptionRow{"AccessibleName",
                                 [](const Velmora& w) {
                                     return QAccessible::queryAccessibleInterface(
                                                const_cast<Velmora*>(&w))
                                         ->text(QAccessible::Name);
                                 },
                                 "velmora.bg Математика - конус, повърхнина и обем"}),
    [](const ::testing::TestParamInfo<CaptionRow>& info) { return std::string(info.param.name); });

TEST_F(WindowTest, WindowCaptionIsNotTheTitleStrip) {
    // Not to be confused with the title strip, which names more and ends in a blank.
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("конус, повърхнина и обем")));
    EXPECT_NE(window->windowTitle(), window->Label1[0]->text());
}

TEST_F(WindowTest, LabelCaptions) {
    EXPECT_EQ(window->Label1[0]->text(),
              QStringLiteral("Математика - конус, радиус, височина, повърхнина, обем "));
    EXPECT_EQ(window->Label1[1]->text(), QStringLiteral("Дадени:"));
}

TEST_F(WindowTest, FrameCaption) {
    EXPECT_EQ(window->Frame1->title(), QStringLiteral("Размери"));
}

TEST_F(WindowTest, ButtonCaptions) {
    EXPECT_EQ(window->Command1[0]->text(), QStringLiteral("Изчисли"));
    EXPECT_EQ(window->Command1[1]->text(), QStringLiteral("Изчисти"));
}

TEST_F(WindowTest, MarkerCaptionsAreTheQuantitySymbols) {
    const QStringList expected = {"R", "L", "H", "S", "V"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(window->Check1[static_cast<std::size_t>(i)]->text(), expected[i]);
        EXPECT_EQ(window->Check1[static_cast<std::size_t>(i)]->text(),
                  q(kQuantities[static_cast<std::size_t>(i)].symbol));
    }
}

TEST_F(WindowTest, ListHoldsTheNineCombinationsInOrder) {
    const QStringList expected = {"R L", "R H", "R S", "R V", "L H", "L S", "H S", "H V", "S V"};
    QListWidget* list = window->List1[0];
    ASSERT_EQ(list->count(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(list->item(i)->text(), expected[i]);
        EXPECT_EQ(list->item(i)->text(), q(kListedPairs[static_cast<std::size_t>(i)].label));
        // Every entry carries the number 0.
        EXPECT_EQ(list->item(i)->data(Qt::UserRole), QVariant(0));
    }
}

TEST_F(WindowTest, ValueFieldsAreEmpty) {
    for (QLineEdit* field : window->Text2)
        EXPECT_TRUE(field->text().isEmpty());
}

TEST_F(WindowTest, AssignmentShowsAsItsTwelveLines) {
    // Qt keeps each CR LF as one line break, so the text reads back with LF.
    const QPlainTextEdit* text = window->Text1[0];
    EXPECT_EQ(text->toPlainText().toStdString(), joinedWith(kAssignmentLines, "\n"));
    const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 13); // twelve lines and the empty one after the last break
    for (std::size_t i = 0; i < kAssignmentLines.size(); ++i)
        EXPECT_EQ(lines[static_cast<qsizetype>(i)].toStdString(), kAssignmentLines[i]);
    EXPECT_TRUE(lines[12].isEmpty());
    EXPECT_EQ(text->document()->blockCount(), 13);
    EXPECT_FALSE(text->toPlainText().contains(QLatin1Char('\r')));
}

TEST_F(WindowTest, HiddenTextHoldsTheSaying) {
    EXPECT_EQ(window->Text1[1]->toPlainText().toStdString(), joinedWith(kSayingLines, "\n"));
    EXPECT_EQ(window->Text1[1]->document()->blockCount(), 4);
}

} // namespace
} // namespace velmora::test
