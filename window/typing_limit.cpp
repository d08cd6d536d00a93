#include "typing_limit.h"

#include "velmora/value_edit.h"

#include <QByteArray>
#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <string_view>

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

TypingLimit::TypingLimit(QLineEdit* field, const NumberSettings& settings)
    : QValidator(field), settings_(settings) {
    connect(field, &QLineEdit::textChanged, this,
            [this](const QString& text) { lastText_ = text; });
    // What an edit will replace: Qt tells selection and cursor changes
    // after the validator has seen the edit, so these hold the state before
    // it.
    auto noteSelection = [this, field] {
        selectionBefore_ = field->hasSelectedText()
                               ? Edit{field->selectionStart(), field->selectionLength()}
                               : Edit{field->cursorPosition(), 0};
    };
    connect(field, &QLineEdit::selectionChanged, this, noteSelection);
    connect(field, &QLineEdit::cursorPositionChanged, this, noteSelection);
}

QValidator::State TypingLimit::validate(QString& input, int& pos) const {
    if (open_)
        return Acceptable;
    const QString& before = lastText_;
    if (input.size() <= before.size())
        return Acceptable; // nothing grew
    const Edit edit = editOf(input, pos);
    const qsizetype kept = before.size() - edit.replaced;
    const qsizetype allowed =
        kept > 0 ? std::max<qsizetype>(limit_, countedLength(before, settings_)) : limit_;
    if (countedLength(input, settings_) <= allowed)
        return Acceptable;

    // Drop whole characters (never half a surrogate pair, nor an emoji
    // without its marks) from the end of the inserted text until it fits.
    const qsizetype insertedEnd = input.size() - (before.size() - edit.start - edit.replaced);
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, input);
    qsizetype from = insertedEnd;
    QString shortened = input;
    while (countedLength(shortened, settings_) > allowed) {
        if (from <= edit.start)
            return refuse();
        characters.setPosition(from);
        from = std::max(edit.start, characters.toPreviousBoundary());
        shortened = QString(input).remove(from, insertedEnd - from);
    }
    if (!keepsNumber(input.toStdString(), shortened.toStdString(), settings_))
        return refuse();
    if (shortened == before)
        return Invalid; // nothing of the edit is left: as a refused key, silently
    input = shortened;
    pos = static_cast<int>(from);
    return Acceptable;
}

// QLineEdit takes the edit back; the user hears that it did.
QValidator::State TypingLimit::refuse() const {
    emit editRefused();
    return Invalid;
}

// The selection (or the cursor) that the field had before the edit, where
// the new text agrees with it; otherwise, for an edit the field saw no
// selection for, what the ends of the two texts share.
TypingLimit::Edit TypingLimit::editOf(const QString& input, int pos) const {
    const QString& before = lastText_;
    const auto [start, replaced] = selectionBefore_;
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

} // namespace velmora
