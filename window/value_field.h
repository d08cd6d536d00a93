// A one-line value field whose length limit applies to what the user types
// or pastes, never to what the program writes into it.
#pragma once

#include <QLineEdit>
#include <QSet>
#include <QString>

namespace velmora {

class ValueField : public QLineEdit {
    Q_OBJECT
public:
    explicit ValueField(QWidget* parent = nullptr);

    // QLineEdit's own maximum length would cut a result written by the
    // program ("47.1238898" would show as "47.1238"), so the limit lives
    // here and QLineEdit's stays at its default.
    int typingLimit() const { return typingLimit_; }
    void setTypingLimit(int limit) { typingLimit_ = limit; }

    // Writes `text` whole, whatever its length.
    void writeText(const QString& text);

private:
    friend class TypingLimitValidator;
    int typingLimit_ = 32767;
    bool writing_ = false;
    QString lastText_;   // the text before the edit in progress
    QSet<QString> held_; // every text held since the program last wrote one
};

} // namespace velmora
