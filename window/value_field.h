// A one-line value field. Its length limit applies to what the user types
// or pastes, never to what the program writes into it; a written text shows
// from its first character, and a text too long to show whole is the
// field's tooltip, unless the window gives the field an explanation.
#pragma once

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
    // here and QLineEdit's stays at its default. Group separators between
    // digits do not count toward it, and an edit too long for it loses
    // only decimals: one that would lose any other part of its number is
    // refused whole, with a beep.
    int typingLimit() const { return typingLimit_; }
    void setTypingLimit(int limit) { typingLimit_ = limit; }

    // The number format that the field's text is written in: the limit
    // reads numbers by it, and the keypad's decimal key types its decimal
    // separator.
    using NumberSettingsSource = NumberSettings (*)();
    void setNumberSettingsSource(NumberSettingsSource source) { numberSettings_ = source; }

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
    friend class TypingLimitValidator;
    void updateToolTip();
    void restartLockedCaret();
    // Runs an undo or redo, which may bring back a text the field held
    // before, whole.
    template <typename Step> void restore(Step step);

    int typingLimit_ = 32767;
    NumberSettingsSource numberSettings_ = plainNumberSettings;
    bool writing_ = false;
    bool restoring_ = false;
    QString lastText_; // the text before the edit in progress
    struct Selection {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    Selection selectionBefore_; // the selection, or the cursor, before that edit
    QBasicTimer lockedCaretBlink_;
    bool lockedCaretShown_ = false;
    QString explanation_;
    QList<QPointer<QAction>> menuActions_;
};

} // namespace velmora
