// The texts of the window: the controls' captions, the two texts it holds, and Qt's own texts.
#include "application_setup.h"
#include "layout_table.h"
#include "qt_text.h"
#include "table_rows.h"
#include "user_actions.h"
#include "window_test_support.h"
#include "window_texts.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <string>
#include <string_view>

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

} // namespace
} // namespace velmora::test
