#include "value_field.h"

#include <QValidator>
#include <algorithm>

namespace velmora {

// Keeps an edit from making the text longer than the limit: typing is
// refused once the field is full, and a paste takes what fits. A longer
// text that the program wrote can still be shortened, or have characters
// replaced, but it cannot grow. Undo and redo bring back texts the field
// has held, which are let through whole: cutting them would show another
// number.
class TypingLimitValidator : public QValidator {
public:
    explicit TypingLimitValidator(ValueField* field) : QValidator(field), field_(field) {}

    State validate(QString& input, int& pos) const override {
        if (field_->writing_ || field_->held_.contains(input))
            return Acceptable;
        const auto allowed = std::max<qsizetype>(field_->typingLimit_, field_->lastText_.size());
        const qsizetype excess = input.size() - allowed;
        if (excess > 0) {
            // The characters just inserted end at the cursor; drop the
            // ones that do not fit.
            const qsizetype from = std::max<qsizetype>(0, pos - excess);
            input.remove(from, pos - from);
            pos = static_cast<int>(from);
            if (input.size() > allowed)
                return Invalid;
        }
        return Acceptable;
    }

private:
    ValueField* field_;
};

ValueField::ValueField(QWidget* parent) : QLineEdit(parent) {
    setValidator(new TypingLimitValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        lastText_ = text;
        held_.insert(text);
    });
}

void ValueField::writeText(const QString& text) {
    // Writing a text also empties the undo history.
    held_.clear();
    writing_ = true;
    setText(text);
    writing_ = false;
}

} // namespace velmora
