// A one-line value field. Its length limit applies to what the user types
// or pastes, never to what the program writes into it; a written text shows
// from its first character, and a text too long to show whole is the
// field's tooltip, unless the window gives the field an explanation.
#pragma once

#include "typing_limit.h"

#include "velmora/number_settings.h"

#include <QBasicTimer>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QString>

class QAction;

namespace velmora {

class ValueField : public QLineEdit {
    Q_OBJECT
public:
    explicit ValueField(QWidget* parent = nullptr);

    // QLineEdit's own maximum length would cut a result written by the
    // program ("47.1238898" would show as "47.1238"), so the limit lives
    // in the field's validator (typing_limit.h) and QLineEdit's stays at
    // its default. An edit that would lose more than decimals to it is
    // refused whole, with a beep.
    int typingLimit() const { return typingLimit_->limit(); }
    void setTypingLimit(int limit) { typingLimit_->setLimit(limit); }

    // The number format that the field's text is written in: the limit
    // reads numbers by it, the keypad's decimal key types its decimal
    // separator and the tooltip wraps numbers between its digit groups.
    void setNumberSettings(const NumberSettings& settings);

    // Writes `text` whole, whatever its length, and shows it from its start.
    void writeText(const QString& text);

    // Whether the whole text fits the field's width.
    bool showsWholeText() const;

    // A text that tells more of the value than the field shows (the whole
    // value, how it follows from others): the tooltip until it is set empty.
    void setExplanation(const QString& explanation);
    // An entry of the window's for the context menu, after Qt's own.
    void addMenuAction(QAction* action);

signals:
    // An edit was refused because the limit would have changed its number.
    void editRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A locked field shows a blinking caret while it has the focus, as an
    // editable one does: the user sees where the focus is.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void updateToolTip();
    void restartLockedCaret();

    NumberSettings numberSettings_ = plainNumberSettings();
    TypingLimit* typingLimit_;
    QBasicTimer lockedCaretBlink_;
    bool lockedCaretShown_ = false;
    QString explanation_;
    QList<QPointer<QAction>> menuActions_;
};

} // namespace velmora
