#include "textbook_solution.h"

#include "qt_text.h"
#include "solution_steps.h"
#include "worked_solution.h"

#include "velmora/constants.h"
#include "velmora/exact_formula.h"
#include "velmora/exact_text.h"
#include "velmora/formula_grammar.h"
#include "velmora/number_forms.h"
#include "velmora/value_text.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace velmora::textbook {
namespace {

using namespace solution_steps;
using Q = ConeQuantity;

// π as a pupil takes it when told "(π ≈ 3,14)".
constexpr double kHandPi = 3.14;
// The power of length of each term, in the order of kTermNames: lengths,
// the lateral surface an area, the volume; the cubic's terms are ratios.
constexpr std::array<int, kTermCount> kLengthPowers{1, 1, 1, 2, 3, 0, 0, 0};
static_assert(kTermNames == "RLHSVqyt");

// Each answer to hundredths.
double roundedToHundredths(double value) {
    return std::round(value * 100) / 100;
}

// The values of one cone as the solution writes them: each term's exact
// form where it has one, the decimal its field shows (or the pupil's, by
// hand), and the cone's own values for the angles.
struct ConeTerms {
    std::array<std::optional<ExactValue>, kTermCount> exact{};
    std::array<double, kTermCount> decimal{};
    std::array<bool, kTermCount> known{};
};

double handValueOf(const ExactValue& exact) {
    return static_cast<double>(exact.numerator()) / static_cast<double>(exact.denominator()) *
           std::sqrt(static_cast<double>(exact.radicand())) * std::pow(kHandPi, exact.piPower());
}

// A formula computed in doubles with π taken as 3,14: a pupil's arithmetic.
double byHand(std::string_view formula, const ConeTerms& terms) {
    return evaluateDouble(formula, kHandPi, [&](char name) {
        const std::optional<Term> term = termNamed(name);
        return term ? terms.decimal[indexOf(*term)] : 0.0;
    });
}

class Writer {
public:
    explicit Writer(const Problem& p) : p_(p) {}

    QStringList write();
    QString givenValues() const;

private:
    const NumberSettings& settings() const { return p_.settings; }
    QString symbol(Q q) const { return toQString(symbolOf(q)); }
    QString nameOf(Term term) const {
        return QString(QChar::fromLatin1(kTermNames[indexOf(term)]));
    }
    // " cm²" after a value of the given power of length; empty without a unit.
    QString unitOf(int power) const { return unitSuffix(p_.unit, power); }
    QString unitOf(Term term) const { return unitOf(kLengthPowers[indexOf(term)]); }

    // A decimal as the solution writes it: as its field shows it, or the
    // pupil's to hundredths.
    QString decimal(double value) const;
    // A value that is exact and whose decimal ends within the field's seven
    // places is written as that decimal; any other exact value in its form.
    static bool endsWithinSevenDecimals(const ExactValue& exact);
    QString exactForm(const ExactValue& exact) const;
    // "= 4", "= 15π ≈ 47,1238898" or "≈ 47,1238898", and the unit of
    // `power`: "= 15π ≈ 47,1238898 cm²".
    QString result(const std::optional<ExactValue>& exact, double value, int power) const;
    // A term's number inside a formula.
    QString putIn(const ConeTerms& terms, Term term, bool bare) const;
    // `decimalsOnly`: every number as a decimal, as in the cubic solved
    // numerically.
    QString filledIn(std::string_view formula, const ConeTerms* terms,
                     bool decimalsOnly = false) const;

    ConeTerms startingTerms(const ConeValues& cone) const;
    void computeStep(const Step& step, const ConeValues& cone, ConeTerms& terms) const;
    QString stepLine(const Step& step, const ConeTerms& terms) const;
    QStringList extraLines(const ConeValues& cone, const ConeTerms& terms,
                           QStringList& answers) const;
    QStringList coneLines(const ConeValues& cone, QStringList& answers) const;

    const Problem& p_;
};

QString Writer::decimal(double value) const {
    if (!p_.handCalculation)
        return worked_solution::valueText(value, settings());
    return QString::fromStdString(
        withoutTrailingZeros(formatValue(roundedToHundredths(value), settings()), settings()));
}

bool Writer::endsWithinSevenDecimals(const ExactValue& exact) {
    if (exact.radicand() != 1 || exact.piPower() != 0)
        return false;
    std::int64_t d = exact.denominator();
    int twos = 0, fives = 0;
    for (; d % 2 == 0; d /= 2)
        ++twos;
    for (; d % 5 == 0; d /= 5)
        ++fives;
    return d == 1 && std::max(twos, fives) <= kDisplayedDecimals;
}

QString Writer::exactForm(const ExactValue& exact) const {
    if (endsWithinSevenDecimals(exact))
        return worked_solution::putIn(exact.toDouble(), settings());
    return QString::fromStdString(exactText(exact, settings()));
}

QString Writer::result(const std::optional<ExactValue>& exact, double value, int power) const {
    if (exact && endsWithinSevenDecimals(*exact))
        return QStringLiteral("= ") + exactForm(*exact) + unitOf(power);
    QString text;
    if (exact)
        text = QStringLiteral("= ") + exactForm(*exact) + QLatin1Char(' ');
    return text + QStringLiteral("≈ ") + decimal(value) + unitOf(power);
}

QString Writer::putIn(const ConeTerms& terms, Term term, bool bare) const {
    const std::size_t at = indexOf(term);
    if (!terms.exact[at])
        return p_.handCalculation ? decimal(terms.decimal[at])
                                  : worked_solution::putIn(terms.decimal[at], settings());
    const QString text = exactForm(*terms.exact[at]);
    // A form with a root, π or a fraction goes in parentheses where a power
    // or a division would otherwise take only part of it.
    const bool plain = endsWithinSevenDecimals(*terms.exact[at]);
    return plain || bare ? text : QLatin1Char('(') + text + QLatin1Char(')');
}

// The formula with the letters of its terms, or with their numbers put in.
QString Writer::filledIn(std::string_view formula, const ConeTerms* terms,
                         bool decimalsOnly) const {
    QString text;
    std::size_t from = 0;
    for (auto at = formula.find('{'); at != std::string_view::npos; at = formula.find('{', from)) {
        text += toQString(formula.substr(from, at - from));
        const Term term = *termNamed(formula[at + 1]);
        from = at + 3;
        if (!terms) {
            text += nameOf(term);
            continue;
        }
        // Bare where nothing around it binds tighter than its own form: a
        // power takes parentheses round "3√2", a division round "π/3" or
        // "3√2", a product round "π/3".
        const std::string_view after = formula.substr(from);
        const bool powered =
            after.starts_with("²") || after.starts_with("³") || after.starts_with("⁴");
        const bool divided = at > 0 && formula[at - 1] == '/';
        const bool fraction =
            terms->exact[indexOf(term)] && terms->exact[indexOf(term)]->denominator() != 1;
        if (decimalsOnly)
            text += worked_solution::putIn(terms->decimal[indexOf(term)], settings());
        else
            text += putIn(*terms, term, !powered && !divided && !fraction);
    }
    return text + toQString(formula.substr(from));
}

ConeTerms Writer::startingTerms(const ConeValues& cone) const {
    ConeTerms terms;
    const std::array<Q, 2> given{p_.pair.first, p_.pair.second};
    for (std::size_t i = 0; i < given.size(); ++i) {
        const std::size_t at = static_cast<std::size_t>(slotOf(given[i]));
        terms.known[at] = true;
        terms.exact[at] = p_.given[i].exact;
        terms.decimal[at] = cone.bySlot[at];
        if (p_.handCalculation)
            terms.decimal[at] = p_.given[i].exact
                                    ? roundedToHundredths(handValueOf(*p_.given[i].exact))
                                    : roundedToHundredths(cone.bySlot[at]);
    }
    return terms;
}

void Writer::computeStep(const Step& step, const ConeValues& cone, ConeTerms& terms) const {
    const std::size_t at = indexOf(step.gives);
    terms.known[at] = true;
    // The cone's own value, from the solver; the cubic's terms from the library.
    double value = 0;
    if (isQuantity(step.gives)) {
        value = cone.bySlot[at];
    } else if (const TwoConePair* two = findTwoConePair(p_.pair.number)) {
        const ShapeCubic cubic = two->shapeCubic(cone);
        value = step.gives == Term::q ? cubic.shape : cubic.root;
    }
    if (step.kind == StepKind::Value) {
        const ExactResult exact = evaluateExact(step.formula, [&](char name) {
            const std::optional<Term> t = termNamed(name);
            return t ? terms.exact[indexOf(*t)] : std::nullopt;
        });
        // An exact form is shown only where it agrees with the solver's value.
        if (exact.value && std::abs(exact.value->toDouble() - value) <= 1e-9 * std::abs(value))
            terms.exact[at] = exact.value;
    }
    terms.decimal[at] = value;
    if (p_.handCalculation) {
        if (step.kind == StepKind::Value) {
            value = byHand(step.formula, terms);
        }
        terms.decimal[at] = roundedToHundredths(value);
    }
}

QString Writer::stepLine(const Step& step, const ConeTerms& terms) const {
    const std::size_t at = indexOf(step.gives);
    const QString symbols = filledIn(step.formula, nullptr);
    const QString numbers = filledIn(step.formula, &terms, step.kind == StepKind::Root);
    switch (step.kind) {
    case StepKind::Equation:
        return QStringLiteral("%1, тоест %2").arg(symbols, numbers);
    case StepKind::Root:
        return QStringLiteral("Отношението %1 = %2 е положителен корен на уравнението %3, "
                              "намерен приближено: %1 ≈ %4")
            .arg(nameOf(step.gives), toQString(step.meaning), numbers, decimal(terms.decimal[at]));
    case StepKind::Value:
        break;
    }
    QString line = QStringLiteral("%1 = %2 = %3").arg(nameOf(step.gives), symbols, numbers);
    if (formula::rootOperand(step.formula)) {
        const ExactResult exact = evaluateExact(step.formula, [&](char name) {
            const std::optional<Term> t = termNamed(name);
            return t ? terms.exact[indexOf(*t)] : std::nullopt;
        });
        if (exact.underRoot && terms.exact[at]) {
            const QString under = exactForm(*exact.underRoot);
            const bool plain = endsWithinSevenDecimals(*exact.underRoot);
            const QString root =
                QStringLiteral("√") + (plain ? under : QLatin1Char('(') + under + QLatin1Char(')'));
            // "√16 = 4", but not "√2 = √2".
            if (root != exactForm(*terms.exact[at]))
                line += QStringLiteral(" = ") + root;
        }
    }
    return line + QLatin1Char(' ') + result(terms.exact[at], terms.decimal[at], kLengthPowers[at]);
}

// The quantities pupils are also asked for: formula, exact form, decimal.
struct Extra {
    const char* title;
    const char* name;
    std::string_view formula;   // in the steps' letters
    std::string_view shortForm; // another way to write it, or empty
    int power;                  // of length; 0 for the angle, in degrees
};
constexpr Extra kExtras[] = {
    {"Лице на основата", "B", "π·{R}²", {}, 2},
    {"Пълна повърхнина", "S₁", "π·{R}·({R} + {L})", "S + B", 2},
    {"Централен ъгъл на развивката", "α", "360°·{R}/{L}", {}, 0},
    {"Лице на осното сечение", "Q", "{R}·{H}", {}, 2},
};
static_assert(formula::isFormula(kExtras[0].formula) && formula::isFormula(kExtras[1].formula) &&
              formula::isFormula(kExtras[2].formula) && formula::isFormula(kExtras[3].formula));

// An angle in degrees, as a decimal and in degrees and minutes: "≈ 73°44′".
QString degreesAndMinutes(double degrees) {
    long long minutes = std::llround(degrees * 60);
    return QStringLiteral("%1°%2′").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QStringList Writer::extraLines(const ConeValues& cone, const ConeTerms& terms,
                               QStringList& answers) const {
    QStringList lines;
    const double pi = p_.handCalculation ? kHandPi : kPi;
    for (const Extra& extra : kExtras) {
        const ExactResult exact = evaluateExact(extra.formula, [&](char name) {
            const std::optional<Term> t = termNamed(name);
            return t ? terms.exact[indexOf(*t)] : std::nullopt;
        });
        double value = byHand(extra.formula, terms);
        if (!p_.handCalculation) {
            // From the cone's own values, π as the solver takes it.
            const double r = cone[Q::R], l = cone[Q::L], h = cone[Q::H];
            const double byFormula[] = {pi * r * r, pi * r * (r + l), 360 * r / l, r * h};
            value = byFormula[&extra - kExtras];
        }
        std::optional<ExactValue> form = exact.value;
        if (form && std::abs(form->toDouble() - value) > 1e-9 * std::abs(value))
            form.reset();
        QString line = QStringLiteral("%1: %2 = ")
                           .arg(QString::fromUtf8(extra.title), QString::fromUtf8(extra.name));
        if (!extra.shortForm.empty())
            line += toQString(extra.shortForm) + QStringLiteral(" = ");
        line += filledIn(extra.formula, nullptr) + QStringLiteral(" = ") +
                filledIn(extra.formula, &terms);
        QString answer = result(form, value, extra.power);
        if (extra.power == 0) {
            if (form && endsWithinSevenDecimals(*form))
                answer += QStringLiteral("°");
            else
                answer = (form ? QStringLiteral("= ") + exactForm(*form) + QStringLiteral("° ")
                               : QString()) +
                         QStringLiteral("≈ ") + decimal(value) + QStringLiteral("° ≈ ") +
                         degreesAndMinutes(value);
        }
        lines << line + QLatin1Char(' ') + answer;
        answers << QString::fromUtf8(extra.name) + QLatin1Char(' ') + answer;
    }
    // The angles of the axial section, from R/L.
    const double ratio = terms.decimal[indexOf(Term::R)] / terms.decimal[indexOf(Term::L)];
    const double apex = 2 * std::asin(std::min(1.0, ratio)) * 180 / std::numbers::pi;
    const double base = std::acos(std::min(1.0, ratio)) * 180 / std::numbers::pi;
    const QString ratioText = filledIn("{R}/{L}", &terms);
    lines << QStringLiteral("Ъгъл при върха на осното сечение: 2·arcsin(R/L) = 2·arcsin(%1) ≈ %2")
                 .arg(ratioText, degreesAndMinutes(apex));
    lines << QStringLiteral("Ъгъл между образувателната и основата: φ = arccos(R/L) = "
                            "arccos(%1) ≈ %2")
                 .arg(ratioText, degreesAndMinutes(base));
    answers << QStringLiteral("φ ≈ ") + degreesAndMinutes(base);
    return lines;
}

QStringList Writer::coneLines(const ConeValues& cone, QStringList& answers) const {
    const PairSteps* row = stepsOf(p_.pair.number);
    QStringList lines;
    if (row == nullptr)
        return lines;
    ConeTerms terms = startingTerms(cone);
    for (const Step& step : row->steps) {
        if (step.formula.empty())
            continue;
        if (step.kind != StepKind::Equation)
            computeStep(step, cone, terms);
        lines << stepLine(step, terms);
        if (step.kind == StepKind::Value && isQuantity(step.gives))
            answers << nameOf(step.gives) + QLatin1Char(' ') +
                           result(terms.exact[indexOf(step.gives)],
                                  terms.decimal[indexOf(step.gives)],
                                  kLengthPowers[indexOf(step.gives)]);
    }
    lines += extraLines(cone, terms, answers);
    if (findTwoConePair(p_.pair.number)) {
        lines << QStringLiteral("Проверка: π·R·L ≈ %1; π·R²·H/3 ≈ %2")
                     .arg(decimal(kPi * cone[Q::R] * cone[Q::L]) + unitOf(Term::S),
                          decimal(kPi * cone[Q::R] * cone[Q::R] * cone[Q::H] / 3) +
                              unitOf(Term::V));
    }
    return lines;
}

// How each combination solved through an equation arrives at it.
struct Derivation {
    int pair;
    std::array<const char*, 4> lines;
};
constexpr Derivation kDerivations[] = {
    {6,
     {"От S = π·R·L и L² = R² + H² следва S² = π²·R²·(R² + H²).",
      "Полагаме x = R²: π²·x² + π²·H²·x − S² = 0, квадратно уравнение за x.",
      "Положителният му корен е x = (√(H⁴ + 4·S²/π²) − H²)/2, а R = √x.", nullptr}},
    {8,
     {"От S = π·R·L, V = π·R²·H/3 и L² = R² + H²: 9·π·V²/S³ = R·H²/L³.",
      "Полагаме y = R/L; тогава H²/L² = 1 − y² и 9·π·V²/S³ = y − y³.",
      "Значи y е корен на y³ − y + q = 0, където q = 9·π·V²/S³.",
      "Всеки положителен корен y < 1 дава конус: R = √(S·y/π), L = S/(π·R)."}},
    {9,
     {"От V = π·R²·H/3 и R² = L² − H²: V = π·(L² − H²)·H/3.",
      "Полагаме t = H/L; тогава 3·V/(π·L³) = t − t³.",
      "Значи t е корен на t³ − t + q = 0, където q = 3·V/(π·L³).",
      "Всеки положителен корен t < 1 дава конус: H = t·L, R = √(L² − H²)."}},
};

QString Writer::givenValues() const {
    const GivenPair& pair = p_.pair;
    const auto givenText = [&](std::size_t i) {
        const GivenValue& g = p_.given[i];
        const Q q = i == 0 ? pair.first : pair.second;
        return symbol(q) + QStringLiteral(" = ") +
               (g.exact ? exactForm(*g.exact) : g.typed.trimmed()) +
               unitOf(kLengthPowers[static_cast<std::size_t>(slotOf(q))]);
    };
    return givenText(0) + QStringLiteral("; ") + givenText(1);
}

QStringList Writer::write() {
    const GivenPair& pair = p_.pair;
    QStringList lines;
    lines << QStringLiteral("Прав кръгов конус");
    lines << QStringLiteral("Дадено: ") + givenValues();
    QStringList wanted;
    for (const QuantityInfo& q : kQuantities)
        if (!pair.isGiven(q.quantity))
            wanted << toQString(q.symbol);
    for (const Extra& extra : kExtras)
        wanted << QString::fromUtf8(extra.name);
    wanted << QStringLiteral("φ");
    lines << QStringLiteral("Търси се: ") + wanted.join(QStringLiteral(", "));
    if (p_.handCalculation)
        lines << QStringLiteral("(π ≈ 3,14; отговорите са закръглени до стотни)");
    lines << QStringLiteral("Решение:");
    for (const Derivation& d : kDerivations)
        if (d.pair == pair.number)
            for (const char* line : d.lines)
                if (line)
                    lines << QString::fromUtf8(line);

    const bool two = p_.cones.size() > 1;
    if (findTwoConePair(pair.number))
        lines << (two ? QStringLiteral("Уравнението има два положителни корена под 1, намерени "
                                       "приближено; всеки дава конус.")
                      : QStringLiteral("Коренът, намерен приближено, дава конуса."));
    QStringList answerParts;
    for (std::size_t i = 0; i < p_.cones.size(); ++i) {
        QStringList answers;
        if (two)
            lines << coneTitle(i) + QLatin1Char(':');
        lines += coneLines(p_.cones[i], answers);
        const QString joined = answers.join(QStringLiteral("; "));
        const char* const owner[] = {"първият конус – ", "вторият конус – "};
        answerParts << (two ? QString::fromUtf8(owner[i]) + joined : joined);
    }
    lines << QStringLiteral("Отговор: ") + answerParts.join(QStringLiteral("; "));
    return lines;
}

} // namespace

QStringList solution(const Problem& problem) {
    return Writer(problem).write();
}

QString coneTitle(std::size_t index) {
    return index == 0 ? QStringLiteral("Първи конус (с по-голям радиус)")
                      : QStringLiteral("Втори конус (с по-малък радиус)");
}

QString givenValues(const Problem& problem) {
    return Writer(problem).givenValues();
}

QString noSolutionYet() {
    return QStringLiteral("Изберете двете дадени величини, въведете стойностите им и натиснете "
                          "«Изчисли»: тук ще се появи решението.");
}

QString solutionOutdated() {
    return QStringLiteral("Стойностите в полетата са променени след последното изчисление: "
                          "натиснете «Изчисли», за да видите решението им.");
}

} // namespace velmora::textbook
