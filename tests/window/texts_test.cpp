// Every text of the window, character for character.
#include "application_setup.h"
#include "window_texts.h"
#include "qt_text.h"
#include "user_actions.h"
#include "window_test_support.h"

#include <velmora/cone_quantity.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <ostream>
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

// Qt's own texts are Bulgarian like the window, whatever the user's locale:
// the context menus of the value fields and of the assignment, and the
// button of the program's message box. The window and its messages are laid
// out left to right, also under a right-to-left language.
struct QtText {
    const char* locale;
    const char* where; // "Text2", "Text1" or "message box"
    int entry;         // the menu's entry, counted without separators
    const char* expected;
};
void PrintTo(const QtText& t, std::ostream* out) {
    *out << t.locale << ' ' << t.where << ' ' << t.entry;
}

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
    ::testing::Values(
        QtText{"bg_BG", "Text2", 0, "&Отмяна"}, QtText{"bg_BG", "Text2", 1, "По&втаряне"},
        QtText{"bg_BG", "Text2", 2, "&Изрязване"}, QtText{"bg_BG", "Text2", 3, "&Копиране"},
        QtText{"bg_BG", "Text2", 4, "&Поставяне"}, QtText{"bg_BG", "Text2", 5, "Изтриване"},
        QtText{"bg_BG", "Text2", 6, "Избиране на всичко"}, QtText{"bg_BG", "Text1", 0, "&Копиране"},
        QtText{"bg_BG", "Text1", 1, "Избиране на всичко"},
        QtText{"bg_BG", "message box", 0, "Добре"}, QtText{"de_DE", "Text2", 0, "&Отмяна"},
        QtText{"de_DE", "message box", 0, "Добре"}, QtText{"en_US", "Text2", 0, "&Отмяна"},
        QtText{"C", "Text2", 4, "&Поставяне"}, QtText{"ar_EG", "Text2", 0, "&Отмяна"},
        QtText{"ar_EG", "message box", 0, "Добре"}, QtText{"fa_IR", "Text1", 0, "&Копиране"},
        QtText{"he_IL", "message box", 0, "Добре"}));

} // namespace
} // namespace velmora::test
