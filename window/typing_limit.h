// The typing limit of a value field: how long its text may grow by what the
// user types or pastes.
#pragma once

#include "velmora/number_settings.h"

#include <QString>
#include <QValidator>

#include <utility>

class QLineEdit;

namespace velmora {

// Keeps typing and pasting from making the text longer than the limit. An
// edit that does not fit loses whole characters from the end of what it
// inserts, but only where its number stays the same with fewer decimals
// ("37.6991118" pasted gives "37.6991"); one that would lose a digit of the
// whole part, a sign or an exponent is refused whole, since the field
// would then hold another number. So typing is refused once the field is
// full. A longer text that the program wrote can still be shortened, or
// have characters replaced, but it cannot grow; once none of it is left,
// the limit holds again. Group separators between digits do not count.
class TypingLimit : public QValidator {
    Q_OBJECT
public:
    // The limit of `field`, whose numbers are written under `settings` (kept
    // by the field, which outlives its validator).
    TypingLimit(QLineEdit* field, const NumberSettings& settings);

    int limit() const { return limit_; }
    void setLimit(int limit) { limit_ = limit; }

    // Runs `change`, whose texts (one the program writes, one that undo or
    // redo brings back) the limit lets through whole.
    template <typename Change> void letThrough(Change change) {
        const bool wasOpen = std::exchange(open_, true);
        change();
        open_ = wasOpen;
    }

    State validate(QString& input, int& pos) const override;

signals:
    // An edit was refused because the limit would have changed its number.
    void editRefused() const;

private:
    // Where an edit began in the text before it and how many of its
    // characters it replaced.
    struct Edit {
        qsizetype start = 0;
        qsizetype replaced = 0;
    };
    Edit editOf(const QString& input, int pos) const;
    State refuse() const;

    const NumberSettings& settings_;
    int limit_ = 32767;
    bool open_ = false;
    QString lastText_;     // the text before the edit in progress
    Edit selectionBefore_; // the selection, or the cursor, before that edit
};

} // namespace velmora
