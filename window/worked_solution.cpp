#include "worked_solution.h"

#include "qt_text.h"
#include "shown_values.h"

#include "velmora/number_forms.h"
#include "velmora/value_text.h"

#include <string_view>
#include <vector>

namespace velmora::worked_solution {
namespace {

// The quantities, in slot order, and the values on the way to them: the
// shape q of a cubic, and its root, y = R/L or t = H/L.
enum class Term { R, L, H, S, V, q, y, t };
constexpr std::string_view kTermNames = "RLHSVqyt";
constexpr std::size_t kTermCount = kTermNames.size();

constexpr std::size_t indexOf(Term term) {
    return static_cast<std::size_t>(term);
}
constexpr std::optional<Term> termNamed(char name) {
    const auto at = kTermNames.find(name);
    if (at == std::string_view::npos)
        return std::nullopt;
    return static_cast<Term>(at);
}
constexpr bool isQuantity(Term term) {
    return indexOf(term) < kQuantityCount;
}

enum class StepKind {
    Value,    // gives a term by its formula
    Equation, // an equation that the cone solves
    Root,     // gives a term as a root of its equation
};

// A formula names a term in braces, "√({L}² − {R}²)", where its number is put
// in; letters outside braces stay symbols ("R⁴" in an equation in R).
struct Step {
    StepKind kind = StepKind::Value;
    Term gives = Term::R;
    std::string_view formula; // empty: no step
    std::string_view meaning; // of a root, in the quantities: "R/L"
};

constexpr Step value(Term gives, std::string_view formula) {
    return {StepKind::Value, gives, formula, {}};
}
constexpr Step equation(std::string_view formula) {
    return {StepKind::Equation, Term::R, formula, {}};
}
constexpr Step root(Term gives, std::string_view formula, std::string_view meaning) {
    return {StepKind::Root, gives, formula, meaning};
}

// The steps of each combination, in the order the solver computes its
// quantities; where it solves an equation, the equation and the relations
// that the cone found satisfies.
struct PairSteps {
    int pair;
    std::array<Step, 5> steps;
};

using T = Term;
constexpr std::string_view kLateralSurface = "π·{R}·{L}";
constexpr std::string_view kVolume = "π·{R}²·{H}/3";

constexpr PairSteps kSteps[] = {
    {0, {{value(T::H, "√({L}² − {R}²)"), value(T::S, kLateralSurface), value(T::V, kVolume)}}},
    {1, {{value(T::L, "√({R}² + {H}²)"), value(T::S, kLateralSurface), value(T::V, kVolume)}}},
    {2, {{value(T::L, "{S}/(π·{R})"), value(T::H, "√({L}² − {R}²)"), value(T::V, kVolume)}}},
    {3,
     {{value(T::H, "3·{V}/(π·{R}²)"), value(T::L, "√({R}² + {H}²)"),
       value(T::S, kLateralSurface)}}},
    {4, {{value(T::R, "√({L}² − {H}²)"), value(T::S, kLateralSurface), value(T::V, kVolume)}}},
    {5, {{value(T::R, "{S}/(π·{L})"), value(T::H, "√({L}² − {R}²)"), value(T::V, kVolume)}}},
    {6,
     {{equation("π²·R⁴ + π²·{H}²·R² − {S}² = 0"), value(T::R, "√((√({H}⁴ + 4·{S}²/π²) − {H}²)/2)"),
       value(T::L, "√({H}² + {R}²)"), value(T::V, kVolume)}}},
    {7,
     {{value(T::R, "√(3·{V}/(π·{H}))"), value(T::L, "√({H}² + {R}²)"),
       value(T::S, kLateralSurface)}}},
    {8,
     {{value(T::q, "9·π·{V}²/{S}³"), root(T::y, "y³ − y + {q} = 0", "R/L"),
       value(T::R, "√({S}·{y}/π)"), value(T::L, "{S}/(π·{R})"), value(T::H, "3·{V}/(π·{R}²)")}}},
    {9,
     {{value(T::q, "3·{V}/(π·{L}³)"), root(T::t, "t³ − t + {q} = 0", "H/L"), value(T::H, "{t}·{L}"),
       value(T::R, "√({L}² − {H}²)"), value(T::S, kLateralSurface)}}},
};

constexpr const PairSteps* stepsOf(int pair) {
    for (const PairSteps& row : kSteps)
        if (row.pair == pair)
            return &row;
    return nullptr;
}

// Every combination has its steps; they compute its three missing
// quantities, each once, and put in only numbers known by then.
constexpr bool stepsAgreeWithThePairs() {
    for (const GivenPair& pair : kListedPairs) {
        const PairSteps* row = stepsOf(pair.number);
        if (row == nullptr)
            return false;
        std::array<bool, kTermCount> known{};
        known[static_cast<std::size_t>(slotOf(pair.first))] = true;
        known[static_cast<std::size_t>(slotOf(pair.second))] = true;
        int computed = 0;
        for (const Step& step : row->steps) {
            const std::string_view f = step.formula;
            for (auto at = f.find('{'); at != std::string_view::npos; at = f.find('{', at + 1)) {
                const std::optional<Term> term =
                    at + 2 < f.size() ? termNamed(f[at + 1]) : std::nullopt;
                if (!term || f[at + 2] != '}' || !known[indexOf(*term)])
                    return false;
            }
            if (f.empty() || step.kind == StepKind::Equation)
                continue;
            // Values on the way are those of a cubic that the library gives.
            if (!isQuantity(step.gives) && findTwoConePair(pair.number) == nullptr)
                return false;
            if (known[indexOf(step.gives)])
                return false;
            known[indexOf(step.gives)] = true;
            computed += isQuantity(step.gives) ? 1 : 0;
        }
        if (computed != 3)
            return false;
    }
    return true;
}
static_assert(stepsAgreeWithThePairs());

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

// A number in a formula: as its field shows it, without trailing zeros, or
// as a power of ten in parentheses.
QString putIn(double value, const NumberSettings& settings) {
    if (sevenDecimalsHideDigits(value))
        return QLatin1Char('(') + QString::fromStdString(formatPowerOfTen(value, settings)) +
               QLatin1Char(')');
    return QString::fromStdString(withoutTrailingZeros(formatValue(value, settings), settings));
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

QString symbol(ConeQuantity q) {
    return toQString(symbolOf(q));
}

} // namespace

QString copyEntryText() {
    return QStringLiteral("Копирай решението");
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

QString solutionText(const GivenPair& pair, const ConeValues& cone,
                     const std::optional<ConeValues>& second, const NumberSettings& settings,
                     QStringView lineEnd) {
    auto given = [&](ConeQuantity q) {
        return symbol(q) + QStringLiteral(" = ") + valueText(cone[q], settings);
    };
    QStringList lines{
        QStringLiteral("Прав кръгов конус с дадени %1 и %2")
            .arg(symbol(pair.first), symbol(pair.second)),
        QStringLiteral("Дадено: %1; %2").arg(given(pair.first), given(pair.second)),
        QStringLiteral("Решение:"),
    };
    for (const QuantityLines& q : linesInOrder(pair, cone, settings))
        lines += q.lines;
    if (second) {
        lines << QStringLiteral("Втори конус със същите %1 и %2:")
                     .arg(symbol(pair.first), symbol(pair.second));
        for (const QuantityLines& q : linesInOrder(pair, *second, settings))
            lines += q.lines;
    }
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

} // namespace velmora::worked_solution
