// The texts of the window: the controls' captions, the two texts it holds, and Qt's own texts.
#include "application_setup.h"
#include "qt_text.h"
#include "table_rows.h"
#include "user_actions.h"
#include "window_test_support.h"
#include "window_texts.h"

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

#include <memory>
#include <string>
#include <string_view>

namespace velmora::test {
namespace {

// The captions as the controls show them (the end-to-end tests read the
// title bar as the window manager shows it).
struct CaptionRow {
    const char* name;
    QString (*shown)(const Velmora& window);
    const char* expected;
};

class Captions : public WindowTest, public ::testing::WithParamInterface<CaptionRow> {};

TEST_P(Captions, ReadCharacterForCharacter) {
    EXPECT_EQ(GetParam().shown(*window), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Window, Captions,
    ::testing::Values(
        CaptionRow{"TitleStrip", [](const Velmora& w) { return w.Label1[0]->text(); },
                   "Математика - конус, радиус, височина, повърхнина, обем "},
        CaptionRow{"ListHeading", [](const Velmora& w) { return w.Label1[1]->text(); }, "Дадени:"},
        CaptionRow{"Frame", [](const Velmora& w) { return w.Frame1->title(); }, "Размери"},
        CaptionRow{"Calculate", [](const Velmora& w) { return w.Command1[0]->text(); }, "Изчисли"},
        CaptionRow{"Clear", [](const Velmora& w) { return w.Command1[1]->text(); }, "Изчисти"},
        CaptionRow{"Markers",
                   [](const Velmora& w) {
                       QStringList captions;
                       for (const QCheckBox* marker : w.Check1)
                           captions += marker->text();
                       return captions.join(QLatin1Char(' '));
                   },
                   "R L H S V"},
        CaptionRow{"ListEntries",
                   [](const Velmora& w) {
                       QStringList entries;
                       for (int i = 0; i < w.List1[0]->count(); ++i)
                           entries += w.List1[0]->item(i)->text();
                       return entries.join(QLatin1Char('|'));
                   },
                   "R L|R H|R S|R V|L H|L S|H S|H V|S V|L V"}),
    RowName{});

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
                         RowName{});

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
    RowName{});

} // namespace
} // namespace velmora::test
