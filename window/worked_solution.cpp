#include "worked_solution.h"

#include "qt_text.h"
#include "shown_values.h"
#include "solution_steps.h"

#include "velmora/number_forms.h"
#include "velmora/value_text.h"

#include <string_view>
#include <vector>

namespace velmora::worked_solution {
namespace {

using namespace solution_steps;

using TermValues = std::array<double, kTermCount>;

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

QString lineOf(const Step& step, const TermValues& values, const NumberSettings& settings) {
    const QString symbols = written(step.formula, nullptr, settings);
    const QString numbers = written(step.formula, &values, settings);
    const QString name = nameOf(step.gives);
    const QString result = valueText(values[indexOf(step.gives)], settings);
    switch (step.kind) {
    case StepKind::Value:
        return QStringLiteral("%1 = %2 = %3 = %4").arg(name, symbols, numbers, result);
    case StepKind::Equation:
        return QStringLiteral("%1, тоест %2").arg(symbols, numbers);
    case StepKind::Root:
        return QStringLiteral("%1 = %2 е корен на %3, тоест на %4: %1 = %5")
            .arg(name, toQString(step.meaning), symbols, numbers, result);
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
    std::vector<QuantityLines> out;
    QStringList onTheWay;
    for (const Step& step : row->steps) {
        if (step.formula.empty())
            continue;
        onTheWay << lineOf(step, values, settings);
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
