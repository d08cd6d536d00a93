#include "velmora/value_text.h"

#include "leading_blanks.h"

#include "velmora/constants.h"
#include "velmora/number_parts.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace velmora {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The value of a number's digits, its sign left out: 0 or more, an infinity
// beyond the double range.
ValueReading readMagnitude(const NumberParts& number) {
    const std::string integer = number.wholeDigits();
    const std::string_view fraction = number.of(number.decimals);
    const long long exponent = number.exponentValue();

    // from_chars reads the plain C form whatever the process locale says.
    std::string plain = integer.empty() ? "0" : integer;
    plain += '.';
    plain += fraction;
    plain += 'e';
    plain += std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: which one follows from the
        // place of the first significant digit.
        const std::string digits = integer + std::string(fraction);
        const auto first = digits.find_first_not_of('0');
        const long long magnitude =
            exponent + static_cast<long long>(integer.size()) - static_cast<long long>(first);
        return magnitude > 0 ? ValueReading{kInfinity, ReadOutcome::Overflow}
                             : ValueReading{0.0, ReadOutcome::Underflow};
    }
    if (error != std::errc{})
        return {0.0, ReadOutcome::NoNumber}; // not reached: the plain form is well formed
    return {value, ReadOutcome::Number};
}

// A form's value, its leading sign left out, or nothing where it is not a
// positive number: a part that is zero, or a negative denominator or
// radicand.
std::optional<ValueReading> readFormMagnitude(const FormParts& form) {
    const ValueReading one{1.0, ReadOutcome::Number};
    const ValueReading numerator = form.number.hasDigits() ? readMagnitude(form.number) : one;
    const ValueReading denominator = form.denominator ? readMagnitude(*form.denominator) : one;
    const ValueReading radicand = form.radicand ? readMagnitude(*form.radicand) : one;
    for (const ValueReading& part : {numerator, denominator, radicand})
        if (part.outcome == ReadOutcome::Number && part.value == 0)
            return std::nullopt;
    if (form.negativeInside())
        return std::nullopt;
    // A part beyond the double range puts the form beyond it, on the side
    // where that part takes the value.
    const auto beyond = [](const ValueReading& part, ReadOutcome side) {
        return part.outcome == side;
    };
    if (beyond(numerator, ReadOutcome::Overflow) || beyond(radicand, ReadOutcome::Overflow) ||
        beyond(denominator, ReadOutcome::Underflow))
        return ValueReading{kInfinity, ReadOutcome::Overflow};
    if (beyond(numerator, ReadOutcome::Underflow) || beyond(radicand, ReadOutcome::Underflow) ||
        beyond(denominator, ReadOutcome::Overflow))
        return ValueReading{0.0, ReadOutcome::Underflow};

    double value = numerator.value / denominator.value;
    if (form.radicand)
        value *= std::sqrt(radicand.value);
    if (form.pi.size > 0)
        value *= kPi;
    if (std::isinf(value))
        return ValueReading{value, ReadOutcome::Overflow};
    if (value == 0)
        return ValueReading{value, ReadOutcome::Underflow};
    return ValueReading{value, ReadOutcome::Number};
}

} // namespace

ValueReading readValue(std::string_view text, const NumberSettings& s) {
    const FormParts form = scanForm(text, detail::valueStart(text), s);
    if (!form.hasValue())
        return {0.0, ReadOutcome::NoNumber};
    const std::optional<ValueReading> read =
        form.isForm() ? readFormMagnitude(form) : readMagnitude(form.number);
    if (!read)
        return {0.0, ReadOutcome::Number}; // as 0 is, whatever its sign
    return {form.number.negative ? -read->value : read->value, read->outcome};
}

double parseValue(std::string_view text, const NumberSettings& s) {
    return readValue(text, s).value;
}

} // namespace velmora
