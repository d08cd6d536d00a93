// What the Velmora window does: start-up, choosing a combination, Calculate
// and Clear. The controls hold all the state; these procedures only read and
// write them.
#include "velmora.h"

#include "calculation.h"
#include "screen_reader.h"
#include "shown_values.h"
#include "solution_presenter.h"

#include "velmora/value_text.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include <cmath>
#include <optional>

namespace velmora {
namespace {

constexpr int kCalculate = 0;
constexpr int kClear = 1;
constexpr int kValueFieldLimit = 7;

std::size_t slot(ConeQuantity q) {
    return static_cast<std::size_t>(slotOf(q));
}

} // namespace

void Velmora::connectEvents() {
    // Selecting an entry, by the program, the mouse or the keyboard, is the
    // list's click; choosing the entry already in force again is no change
    // and keeps what the user typed.
    connect(List1[0], &QListWidget::currentRowChanged, this, [this] { List1_Click(0); });
    // A Ctrl+click would otherwise leave the combination in force unmarked.
    connect(List1[0], &QListWidget::itemSelectionChanged, this, [this] {
        QListWidget* list = List1[0];
        if (list->selectedItems().isEmpty() && list->currentItem() != nullptr)
            list->currentItem()->setSelected(true);
    });
    for (int i = 0; i < static_cast<int>(Command1.size()); ++i)
        connect(Command1[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { Command1_Click(i); });
    solution_ = new SolutionPresenter(this, Text2);
    solution_->opensOnActivating(Picture1);
}

void Velmora::Form_Load() {
    loaded_ = true;
    ClearValues();
    for (ValueField* field : Text2)
        field->setTypingLimit(kValueFieldLimit);
    List1[0]->setCurrentRow(0); // runs List1_Click(0) before going on
    for (ConeQuantity q : {ConeQuantity::R, ConeQuantity::L}) {
        Check1[slot(q)]->setChecked(true);
        Text2[slot(q)]->setReadOnly(false);
    }
}

void Velmora::List1_Click(int Index) {
    if (Index == 0)
        ApplyCombination();
}

void Velmora::Command1_Click(int Index) {
    if (Index == kCalculate)
        CalculateCone();
    else if (Index == kClear)
        ClearValues();
}

void Velmora::ApplyCombination() {
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        Check1[i]->setEnabled(false);
        Check1[i]->setChecked(false);
        Text2[i]->clear();
        Text2[i]->setReadOnly(true);
    }
    const std::optional<GivenPair> pair = findPair(List1[0]->currentRow());
    if (!pair)
        return;
    for (ConeQuantity q : {pair->first, pair->second}) {
        Check1[slot(q)]->setChecked(true);
        Text2[slot(q)]->setReadOnly(false);
    }
}

void Velmora::ClearValues() {
    for (ValueField* field : Text2)
        field->clear();
}

void Velmora::CalculateCone() {
    const NumberSettings settings = numberSettings_;
    auto readingOf = [&](ConeQuantity q) {
        return readValue(Text2[slot(q)]->text().toStdString(), settings);
    };
    auto valueOf = [&](ConeQuantity q) { return readingOf(q).value; };

    // Every given value must be greater than 0; otherwise nothing happens.
    // A positive number too small for a double reads as 0, but it is out of
    // range as one too large is, and the user is told so.
    bool tooSmall = false;
    for (const QuantityInfo& q : kQuantities) {
        if (!Check1[slot(q.quantity)]->isChecked())
            continue;
        const ValueReading given = readingOf(q.quantity);
        if (given.outcome == ReadOutcome::Underflow && !std::signbit(given.value))
            tooSmall = true;
        else if (!(given.value > 0))
            return;
    }
    const std::optional<GivenPair> pair = findPair(List1[0]->currentRow());
    if (!pair)
        return;
    if (tooSmall) {
        tell(outOfRangeMessage());
        return;
    }

    // The given values as typed, and their exact values: a text that the
    // last calculation wrote keeps the exact value it was written from.
    std::array<textbook::GivenValue, 2> given;
    std::array<double, 2> givenValues{};
    for (std::size_t i = 0; i < given.size(); ++i) {
        const ConeQuantity q = i == 0 ? pair->first : pair->second;
        given[i].typed = Text2[slot(q)]->text();
        givenValues[i] = valueOf(q);
        if ((given[i].exact = solution_->writtenExact(slot(q))))
            givenValues[i] = given[i].exact->toDouble();
        else
            given[i].exact = readExactValue(given[i].typed.toStdString(), settings);
    }
    const CalculationAnswer answer =
        answerCalculation(*pair, givenValues[0], givenValues[1], settings);
    // A failed calculation leaves the fields as they are; the user learns why.
    if (answer.cone) {
        for (const QuantityInfo& q : kQuantities)
            Text2[slot(q.quantity)]->writeText(shownValue((*answer.cone)[q.quantity], settings));
        screen_reader::announceValues(this, Text2);
        solution_->present(*pair, *answer.cone, answer.secondCone, settings, given);
    }
    if (answer.message)
        tell(*answer.message);
}

void Velmora::tell(const UserMessage& message) {
    QMessageBox box(message.icon, message.title, message.text, QMessageBox::Ok, this);
    box.setPalette(palette()); // a dialog takes the application's colours, not its parent's
    box.exec();
}

} // namespace velmora
