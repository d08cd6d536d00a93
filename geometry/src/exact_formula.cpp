#include "velmora/exact_formula.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace velmora {
namespace {

// Every step of an exact evaluation: a value that has no form stays without
// one up to the end.
class ExactActions {
public:
    using Value = std::optional<ExactValue>;
    using Operation = std::optional<ExactValue> (*)(const ExactValue&, const ExactValue&);

    explicit ExactActions(const ExactLookup& lookup) : lookup_(lookup) {}

    Value number(std::string_view digits) { return exactDecimal({digits, {}, 0}); }
    Value letter(char name) { return lookup_(name); }
    Value pi() { return ExactValue::make(1, 1, 1, 1); }
    Value add(Value a, Value b) { return both(a, b, velmora::add); }
    Value subtract(Value a, Value b) { return both(a, b, velmora::subtract); }
    Value multiply(Value a, Value b) { return both(a, b, velmora::multiply); }
    Value divide(Value a, Value b) { return both(a, b, velmora::divide); }
    Value power(Value a, int exponent) { return a ? velmora::power(*a, exponent) : a; }
    Value root(Value a) { return a ? squareRoot(*a) : a; }

private:
    static Value both(const Value& a, const Value& b, Operation operation) {
        return a && b ? operation(*a, *b) : std::nullopt;
    }

    const ExactLookup& lookup_;
};

// The steps in doubles.
struct DoubleActions {
    using Value = double;
    double pi_;
    const DoubleLookup& lookup_;

    double number(std::string_view digits) {
        double v = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), v);
        return v;
    }
    double letter(char name) { return lookup_(name); }
    double pi() { return pi_; }
    double add(double a, double b) { return a + b; }
    double subtract(double a, double b) { return a - b; }
    double multiply(double a, double b) { return a * b; }
    double divide(double a, double b) { return a / b; }
    double power(double a, int n) { return std::pow(a, n); }
    double root(double a) { return std::sqrt(a); }
};

std::optional<ExactValue> valueOf(std::string_view formula, const ExactLookup& lookup) {
    ExactActions actions(lookup);
    const formula::Reading<ExactActions> reading = formula::read(formula, actions);
    return reading.wellFormed ? reading.value : std::nullopt;
}

} // namespace

ExactResult evaluateExact(std::string_view text, const ExactLookup& lookup) {
    if (!formula::isFormula(text))
        return {};
    const std::optional<std::string_view> operand = formula::rootOperand(text);
    return {valueOf(text, lookup), operand ? valueOf(*operand, lookup) : std::nullopt};
}

double evaluateDouble(std::string_view text, double pi, const DoubleLookup& lookup) {
    DoubleActions actions{pi, lookup};
    const formula::Reading<DoubleActions> reading = formula::read(text, actions);
    return reading.wellFormed ? reading.value : std::numeric_limits<double>::quiet_NaN();
}

} // namespace velmora
