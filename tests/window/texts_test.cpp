// Every text of the window, character for character.
#include "application_setup.h"
#include "table_rows.h"
#include "user_actions.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
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
#include <QTextDocument>
#include <QTimer>

#include <memory>
#include <string>

namespace velmora::test {
namespace {

// The captions as the window shows them: its title bar, and each control.
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
        // The web address without its scheme, a blank and the title.
        CaptionRow{"TitleBar", [](const Velmora& w) { return w.windowTitle(); },
                   "velmora.bg Математика - конус, повърхнина и обем"},
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
// CR LF of the program's text is one line break, and with the breaks written
// as CR LF again the text is, byte for byte, the one of the given SHA-256.
struct HeldText {
    const char* name;
    std::size_t box; // Text1(box)
    int lines;
    const char* sha256;
};

class HeldTexts : public WindowTest, public ::testing::WithParamInterface<HeldText> {};

TEST_P(HeldTexts, ReadByteForByteWithCrLfLineBreaks) {
    const HeldText& t = GetParam();
    const QPlainTextEdit* box = window->Text1[t.box];
    const QString shown = box->toPlainText();
    EXPECT_FALSE(shown.contains(QLatin1Char('\r')));
    EXPECT_EQ(box->document()->blockCount(), t.lines + 1); // the last line ends in a break too
    QString withCrLf = shown;
    withCrLf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    EXPECT_EQ(QCryptographicHash::hash(withCrLf.toUtf8(), QCryptographicHash::Sha256)
                  .toHex()
                  .toStdString(),
              t.sha256)
        << withCrLf.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Window, HeldTexts,
    ::testing::Values(
        // Twelve lines; the fourth ends in a blank.
        HeldText{"Assignment", 0, 12,
                 "5aded45c7d9824e36d482cded93c1f8c5a3269781bf2bad9b2c2393818013801"},
        // Three lines, each ending in a blank.
        HeldText{"Saying", 1, 3,
                 "14187f1d4e143091e9bd12b546edfee5ef834888134484aebaed6500f684f856"}),
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
    ::testing::Values(QtText{"Bulgarian_FieldUndo", "bg_BG", "Text2", 0, "&Отмяна"},
                      QtText{"Bulgarian_FieldRedo", "bg_BG", "Text2", 1, "По&втаряне"},
                      QtText{"Bulgarian_FieldCut", "bg_BG", "Text2", 2, "&Изрязване"},
                      QtText{"Bulgarian_FieldCopy", "bg_BG", "Text2", 3, "&Копиране"},
                      QtText{"Bulgarian_FieldPaste", "bg_BG", "Text2", 4, "&Поставяне"},
                      QtText{"Bulgarian_FieldDelete", "bg_BG", "Text2", 5, "Изтриване"},
                      QtText{"Bulgarian_FieldSelectAll", "bg_BG", "Text2", 6, "Избиране на всичко"},
                      QtText{"Bulgarian_AssignmentCopy", "bg_BG", "Text1", 0, "&Копиране"},
                      QtText{"Bulgarian_AssignmentSelectAll", "bg_BG", "Text1", 1,
                             "Избиране на всичко"},
                      QtText{"Bulgarian_MessageBoxOk", "bg_BG", "message box", 0, "Добре"},
                      QtText{"German_FieldUndo", "de_DE", "Text2", 0, "&Отмяна"},
                      QtText{"German_MessageBoxOk", "de_DE", "message box", 0, "Добре"},
                      QtText{"English_FieldUndo", "en_US", "Text2", 0, "&Отмяна"},
                      QtText{"C_FieldPaste", "C", "Text2", 4, "&Поставяне"},
                      QtText{"Arabic_FieldUndo", "ar_EG", "Text2", 0, "&Отмяна"},
                      QtText{"Arabic_MessageBoxOk", "ar_EG", "message box", 0, "Добре"},
                      QtText{"Persian_AssignmentCopy", "fa_IR", "Text1", 0, "&Копиране"},
                      QtText{"Hebrew_MessageBoxOk", "he_IL", "message box", 0, "Добре"}),
    RowName{});

} // namespace
} // namespace velmora::test
