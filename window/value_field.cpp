#include "value_field.h"

#include "shown_values.h"

#include "velmora/value_edit.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <QTimerEvent>
#include <QValidator>

#include <algorithm>
#include <memory>
#include <utility>

namespace velmora {

namespace {

// The length that the typing limit counts: group separators between digits
// are left out, so that "1 500 000" is seven.
qsizetype countedLength(const QString& text, const NumberSettings& settings) {
    const QByteArray utf8 = text.toUtf8();
    qsizetype separators = 0;
    for (const TextRange& r : digitGroupSeparators(
             std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), settings))
        separators += QString::fromUtf8(utf8.sliced(static_cast<qsizetype>(r.start),
                                                    static_cast<qsizetype>(r.size)))
                          .size();
    return text.size() - separators;
}

} // namespace

// Keeps typing and pasting from making the text longer than the limit. An
// edit that does not fit loses whole characters from the end of what it
// inserts, but only where its number stays the same with fewer decimals
// ("37.6991118" pasted gives "37.6991"); one that would lose a digit of the
// whole part, a sign or an exponent is refused whole, since the field
// would then hold another number. So typing is refused once the field is
// full. A longer text that the program wrote can still be shortened, or
// have characters replaced, but it cannot grow; once none of it is left,
// the limit holds again. Texts that the program writes and texts that undo
// and redo bring back are let through whole.
class TypingLimitValidator : public QValidator {
public:
    explicit TypingLimitValidator(ValueField* field) : QValidator(field), field_(field) {}

    State validate(QString& input, int& pos) const override {
        if (field_->writing_ || field_->restoring_)
            return Acceptable;
        const QString& before = field_->lastText_;
        if (input.size() <= before.size())
            return Acceptable; // nothing grew
        const NumberSettings settings = field_->numberSettings_();
        const Edit edit = editOf(before, input, pos);
        const qsizetype kept = before.size() - edit.replaced;
        const qsizetype allowed =
            kept > 0 ? std::max<qsizetype>(field_->typingLimit_, countedLength(before, settings))
                     : field_->typingLimit_;
        if (countedLength(input, settings) <= allowed)
            return Acceptable;

        // Drop whole characters (never half a surrogate pair, nor an emoji
        // without its marks) from the end of the inserted text until it fits.
        const qsizetype insertedEnd = input.size() - (before.size() - edit.start - edit.replaced);
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, input);
        qsizetype from = insertedEnd;
        QString shortened = input;
        while (countedLength(shortened, settings) > allowed) {
            if (from <= edit.start)
                return refuse();
            characters.setPosition(from);
            from = std::max(edit.start, characters.toPreviousBoundary());
            shortened = QString(input).remove(from, insertedEnd - from);
        }
        if (!keepsNumber(input.toStdString(), shortened.toStdString(), settings))
            return refuse();
        if (shortened == before)
            return Invalid; // nothing of the edit is left: as a refused key, silently
        input = shortened;
        pos = static_cast<int>(from);
        return Acceptable;
    }

private:
    // Where an edit began in the text before it and how many of its
    // characters it replaced.
    struct Edit {
        qsizetype start;
        qsizetype replaced;
    };

    // QLineEdit takes the edit back; the user hears that it did.
    State refuse() const {
        emit field_->editRefused();
        return Invalid;
    }

    // The selection (or the cursor) that the field had before the edit,
    // where the new text agrees with it; otherwise, for an edit the field
    // saw no selection for, what the ends of the two texts share.
    Edit editOf(const QString& before, const QString& input, int pos) const {
        const qsizetype start = field_->selectionBefore_.start;
        const qsizetype replaced = field_->selectionBefore_.length;
        const QStringView old(before);
        if (start >= 0 && start + replaced <= before.size() &&
            QStringView(input).startsWith(old.first(start)) &&
            QStringView(input).endsWith(old.sliced(start + replaced)))
            return {start, replaced};
        const qsizetype shorter = std::min(before.size(), input.size());
        qsizetype prefix = 0;
        while (prefix < shorter && prefix < pos && before[prefix] == input[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < shorter - prefix &&
               before[before.size() - 1 - suffix] == input[input.size() - 1 - suffix])
            ++suffix;
        return {prefix, before.size() - prefix - suffix};
    }

    ValueField* field_;
};

ValueField::ValueField(QWidget* parent) : QLineEdit(parent) {
    setValidator(new TypingLimitValidator(this));
    connect(this, &ValueField::editRefused, this, [] { QApplication::beep(); });
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        lastText_ = text;
        updateToolTip();
    });
    // What an edit will replace: Qt tells selection and cursor changes
    // after the validator has seen the edit, so these hold the state before
    // it.
    auto noteSelection = [this] {
        selectionBefore_ = hasSelectedText() ? Selection{selectionStart(), selectionLength()}
                                             : Selection{cursorPosition(), 0};
    };
    connect(this, &QLineEdit::selectionChanged, this, noteSelection);
    connect(this, &QLineEdit::cursorPositionChanged, this, noteSelection);
}

void ValueField::writeText(const QString& text) {
    writing_ = true;
    setText(text); // also empties the undo history
    writing_ = false;
    // As a classic text box shows a text set by its program: from the start.
    setCursorPosition(0);
}

template <typename Step> void ValueField::restore(Step step) {
    restoring_ = true;
    step();
    restoring_ = false;
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
        restore([&] { QLineEdit::keyPressEvent(event); });
    } else if (isKeypadDecimalKey(event)) {
        // As in a spreadsheet: the decimal separator that the field's
        // numbers are written with, whatever the keyboard layout types.
        QKeyEvent typed(event->type(), event->key(), event->modifiers(),
                        QString::fromStdString(numberSettings_().decimalSeparator),
                        event->isAutoRepeat(), event->count());
        QLineEdit::keyPressEvent(&typed);
        event->setAccepted(typed.isAccepted());
    } else {
        QLineEdit::keyPressEvent(event);
    }
}

void ValueField::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // The menu's Undo and Redo go through restore() like their keys. Qt
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
                [this, undo] { restore([&] { undo ? this->undo() : redo(); }); });
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
    setToolTip(withDigitGroupBreaks(tip, numberSettings_()));
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
