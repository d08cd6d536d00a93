#include "worked_solution.h"

#include "qt_text.h"
#include "shown_values.h"
#include "solution_steps.h"

#include "velmora/exact_formula.h"
#include "velmora/number_forms.h"
#include "velmora/value_text.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora::worked_solution {
namespace {

using namespace solution_steps;

using TermValues = std::array<double, kTermCount>;
// The exact value of each term whose number, as a line puts it in, is that
// value: nothing for the others.
using ExactTerms = std::array<std::optional<ExactValue>, kTermCount>;

// The cone's quantities and the values on the way to them: the shape and
// the root of the cubic that the cone solves, where there is one.
TermValues termValues(const PairSteps& row, const ConeValues& cone) {
    TermValues v{};
    for (std::size_t i = 0; i < kQuantityCount; ++i)
        v[i] = cone.bySlot[i];
    if (const TwoConePair* two = findTwoConePair(row.pair)) {
        const ShapeCubic cubic = two->shapeCubic(cone);
        v[indexOf(Term::q)] = cubic.shape;
        v[indexOf(Term::y)] = v[indexOf(Term::t)] = cubic.root;
    }
    return v;
}

// Whether a field shows `exact` whole: its decimal ends within the seven
// places and within the digits a double holds.
bool shownWhole(const ExactValue& exact, const NumberSettings& settings) {
    return exact.isZero() ||
           readExactValue(formatValue(exact.toDouble(), settings), settings) == exact;
}

// A given value is exact as its field shows it where that text reads back
// as the very double given (3, 0,1; not √2 shown as 1,4142136).
ExactTerms givenExactTerms(const GivenPair& pair, const TermValues& values,
                           const NumberSettings& settings) {
    ExactTerms exact;
    for (const ConeQuantity q : {pair.first, pair.second}) {
        const std::size_t at = static_cast<std::size_t>(slotOf(q));
        const std::optional<ExactValue> shown =
            readExactValue(formatValue(values[at], settings), settings);
        if (shown && shown->toDouble() == values[at])
            exact[at] = shown;
    }
    return exact;
}

// The exact value of a step's result from the exact numbers put in, where it
// agrees with the cone's own value and a field shows it whole.
std::optional<ExactValue> exactResult(const Step& step, double value, const ExactTerms& exact,
                                      const NumberSettings& settings) {
    const ExactResult result = evaluateExact(step.formula, [&](char name) {
        const std::optional<Term> term = termNamed(name);
        return term ? exact[indexOf(*term)] : std::nullopt;
    });
    if (!result.value || std::abs(result.value->toDouble() - value) > 1e-9 * std::abs(value) ||
        !shownWhole(*result.value, settings))
        return std::nullopt;
    return result.value;
}

QString nameOf(Term term) {
    return QString(QChar::fromLatin1(kTermNames[indexOf(term)]));
}

// The formula in symbols, or with the numbers put in.
QString written(std::string_view formula, const TermValues* values,
                const NumberSettings& settings) {
    QString text;
    std::size_t from = 0;
    for (auto at = formula.find('{'); at != std::string_view::npos; at = formula.find('{', from)) {
        text += toQString(formula.substr(from, at - from));
        const Term term = *termNamed(formula[at + 1]);
        text += values ? putIn((*values)[indexOf(term)], settings) : nameOf(term);
        from = at + 3;
    }
    return text + toQString(formula.substr(from));
}

// One step's line; a value that it finds exactly joins `exact`.
QString lineOf(const Step& step, const TermValues& values, ExactTerms& exact,
               const NumberSettings& settings) {
    const QString symbols = written(step.formula, nullptr, settings);
    const QString numbers = written(step.formula, &values, settings);
    const QString name = nameOf(step.gives);
    const double value = values[indexOf(step.gives)];
    switch (step.kind) {
    case StepKind::Value:
        // "= 4" where the value is exact, "≈ 47,1238898" where it is rounded.
        if ((exact[indexOf(step.gives)] = exactResult(step, value, exact, settings)))
            return QStringLiteral("%1 = %2 = %3 = %4")
                .arg(name, symbols, numbers,
                     putIn(exact[indexOf(step.gives)]->toDouble(), settings));
        return QStringLiteral("%1 = %2 = %3 ≈ %4")
            .arg(name, symbols, numbers, valueText(value, settings));
    case StepKind::Equation:
        return QStringLiteral("%1, тоест %2").arg(symbols, numbers);
    case StepKind::Root:
        return QStringLiteral("Отношението %1 = %2 е положителен корен на уравнението %3, "
                              "намерен приближено: %1 ≈ %4")
            .arg(name, toQString(step.meaning), numbers, valueText(value, settings));
    }
    return {}; // not reached: every kind has its case
}

// Each computed quantity with its lines, in the order of computing: the
// steps on the way to it, then its own.
struct QuantityLines {
    std::size_t slot;
    QStringList lines;
};

std::vector<QuantityLines> linesInOrder(const GivenPair& pair, const ConeValues& cone,
                                        const NumberSettings& settings) {
    const PairSteps* row = stepsOf(pair.number);
    if (row == nullptr)
        return {};
    const TermValues values = termValues(*row, cone);
    ExactTerms exact = givenExactTerms(pair, values, settings);
    std::vector<QuantityLines> out;
    QStringList onTheWay;
    for (const Step& step : row->steps) {
        if (step.formula.empty())
            continue;
        onTheWay << lineOf(step, values, exact, settings);
        if (step.kind == StepKind::Value && isQuantity(step.gives)) {
            out.push_back({indexOf(step.gives), onTheWay});
            onTheWay.clear();
        }
    }
    return out;
}

} // namespace

QString copyEntryText() {
    return QStringLiteral("Копирай решението");
}

QString putIn(double value, const NumberSettings& settings) {
    if (sevenDecimalsHideDigits(value))
        return QLatin1Char('(') + QString::fromStdString(formatPowerOfTen(value, settings)) +
               QLatin1Char(')');
    return QString::fromStdString(withoutTrailingZeros(formatValue(value, settings), settings));
}

QString valueText(double value, const NumberSettings& settings) {
    if (sevenDecimalsHideDigits(value))
        return QString::fromStdString(formatPowerOfTen(value, settings));
    return shownValue(value, settings);
}

std::array<QStringList, kQuantityCount> derivation(const GivenPair& pair, const ConeValues& cone,
                                                   const NumberSettings& settings) {
    std::array<QStringList, kQuantityCount> bySlot;
    for (QuantityLines& q : linesInOrder(pair, cone, settings))
        bySlot[q.slot] = std::move(q.lines);
    return bySlot;
}

} // namespace velmora::worked_solution
