#include "value_field.h"

#include "shown_values.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimerEvent>

#include <memory>

namespace velmora {

ValueField::ValueField(QWidget* parent)
    : QLineEdit(parent), typingLimit_(new TypingLimit(this, numberSettings_)) {
    setValidator(typingLimit_);
    connect(typingLimit_, &TypingLimit::editRefused, this, &ValueField::editRefused);
    connect(this, &ValueField::editRefused, this, [] { QApplication::beep(); });
    connect(this, &QLineEdit::textChanged, this, &ValueField::updateToolTip);
}

void ValueField::setNumberSettings(const NumberSettings& settings) {
    numberSettings_ = settings;
    updateToolTip();
}

void ValueField::writeText(const QString& text) {
    typingLimit_->letThrough([&] { setText(text); }); // also empties the undo history
    // As a classic text box shows a text set by its program: from the start.
    setCursorPosition(0);
}

namespace {

// The keypad's decimal key: Qt names it by what the layout puts on it, a
// point or a comma, or the text is the desktop's own decimal separator.
bool isKeypadDecimalKey(const QKeyEvent* event) {
    if (!event->modifiers().testFlag(Qt::KeypadModifier))
        return false;
    return event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period ||
           (!event->text().isEmpty() && event->text() == QLocale::system().decimalPoint());
}

} // namespace

void ValueField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        // Undo and redo may bring back a text the field held before, whole.
        typingLimit_->letThrough([&] { QLineEdit::keyPressEvent(event); });
    } else if (isKeypadDecimalKey(event)) {
        // As in a spreadsheet: the decimal separator that the field's
        // numbers are written with, whatever the keyboard layout types.
        QKeyEvent typed(event->type(), event->key(), event->modifiers(),
                        QString::fromStdString(numberSettings_.decimalSeparator),
                        event->isAutoRepeat(), event->count());
        QLineEdit::keyPressEvent(&typed);
        event->setAccepted(typed.isAccepted());
    } else {
        QLineEdit::keyPressEvent(event);
    }
}

void ValueField::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // The menu's Undo and Redo pass the typing limit as their keys do. Qt
    // names its entries by their texts only, which come from its own
    // translation under QLineEdit's name, as QLineEdit::tr() gives them.
    const QString undoText = QLineEdit::tr("&Undo");
    const QString redoText = QLineEdit::tr("&Redo");
    for (QAction* action : menu->actions()) {
        const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
        if (text != undoText && text != redoText)
            continue;
        const bool undo = text == undoText;
        action->disconnect(this);
        connect(action, &QAction::triggered, this,
                [this, undo] { typingLimit_->letThrough([&] { undo ? this->undo() : redo(); }); });
    }
    if (!menuActions_.isEmpty())
        menu->addSeparator();
    for (QAction* action : menuActions_)
        if (action != nullptr)
            menu->addAction(action);
    menu->exec(event->globalPos());
}

bool ValueField::showsWholeText() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    // QLineEdit keeps two pixels free on either side of its text.
    constexpr int kSideMargin = 2;
    return fontMetrics().horizontalAdvance(text()) <= contents.width() - 2 * kSideMargin;
}

void ValueField::updateToolTip() {
    const QString tip = !explanation_.isEmpty() ? explanation_
                        : showsWholeText()      ? QString()
                                                : text();
    // A long number wraps between its digit groups.
    setToolTip(withDigitGroupBreaks(tip, numberSettings_));
}

void ValueField::setExplanation(const QString& explanation) {
    explanation_ = explanation;
    updateToolTip();
}

void ValueField::addMenuAction(QAction* action) {
    menuActions_.append(action);
}

void ValueField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    updateToolTip();
}

void ValueField::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateToolTip();
    if (event->type() == QEvent::ReadOnlyChange)
        restartLockedCaret();
}

void ValueField::restartLockedCaret() {
    lockedCaretShown_ = isReadOnly() && hasFocus();
    const int flashTime = QApplication::cursorFlashTime();
    if (lockedCaretShown_ && flashTime > 0)
        lockedCaretBlink_.start(flashTime / 2, this);
    else
        lockedCaretBlink_.stop();
    update();
}

void ValueField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    restartLockedCaret();
}

void ValueField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    restartLockedCaret();
}

void ValueField::timerEvent(QTimerEvent* event) {
    if (event->timerId() != lockedCaretBlink_.timerId()) {
        QLineEdit::timerEvent(event);
        return;
    }
    lockedCaretShown_ = !lockedCaretShown_;
    update();
}

void ValueField::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!lockedCaretShown_ || !isReadOnly() || !hasFocus())
        return;
    // QLineEdit draws no caret in a read-only field; this one is drawn where
    // its own would be, one pixel wide in the text colour.
    const QRect caret = cursorRect();
    QPainter painter(this);
    painter.fillRect(QRect(caret.center().x(), caret.top(), 1, caret.height()),
                     palette().color(QPalette::Text));
}

} // namespace velmora
