#include "user_actions.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace velmora::test {

NumberSettings plainSettings() {
    return numberSettingsOf(QLocale::c());
}
NumberSettings bulgarianSettings() {
    return numberSettingsOf(QLocale(QStringLiteral("bg_BG")));
}
NumberSettings germanSettings() {
    return numberSettingsOf(QLocale(QStringLiteral("de_DE")));
}

void useContextMenu(QWidget* widget, const std::function<void(QMenu&)>& use) {
    QTimer::singleShot(0, [use] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            use(*menu);
            menu->close();
        }
    });
    const QPoint inside = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &event);
}

void UserActions::typeInto(int slot, const QString& text) {
    ValueField* field = w_.Text2.at(static_cast<std::size_t>(slot));
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    // A character that no key of a Latin layout types (π, √) comes as the
    // text of a key press, as an input method or a Bulgarian layout gives it.
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void UserActions::pressCalculate() {
    QTest::mouseClick(w_.Command1[0], Qt::LeftButton);
}

void UserActions::calculate(int entry, const QString& first, const QString& second) {
    clickEntry(entry);
    const GivenPair pair = kListedPairs.at(static_cast<std::size_t>(entry));
    typeInto(slotOf(pair.first), first);
    typeInto(slotOf(pair.second), second);
    closeMessageDuring([this] { pressCalculate(); });
}

void UserActions::pressClear() {
    QTest::mouseClick(w_.Command1[1], Qt::LeftButton);
}

void UserActions::clickEntry(int entry) {
    QListWidget* list = w_.List1[0];
    list->scrollToItem(list->item(entry));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(entry)).center());
}

void UserActions::pressInList(int key) {
    QListWidget* list = w_.List1[0];
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, static_cast<Qt::Key>(key));
}

FieldTexts UserActions::fieldTexts() const {
    FieldTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = w_.Text2[i]->text();
    return texts;
}

QString UserActions::closeMessageDuring(const std::function<void()>& action) {
    QString text;
    // The box is modal: it is read and closed from inside its own event
    // loop. Without a box no event loop runs and the timer never fires.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            // What a reader reads: without the places where a line may break.
            text = box->text().remove(QChar(0x200B));
            // Every character shows: no word is wider than the label, no
            // line is cut off below it, and the box fits on the screen.
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            EXPECT_NE(label, nullptr);
            if (label != nullptr) {
                EXPECT_LE(label->minimumSizeHint().width(), label->width()) << text.toStdString();
                EXPECT_LE(label->heightForWidth(label->width()), label->height());
            }
            EXPECT_TRUE(box->screen()->availableGeometry().contains(box->frameGeometry()))
                << text.toStdString();
            box->accept();
        }
    });
    timer.start(0);
    action();
    timer.stop();
    return text;
}

} // namespace velmora::test
