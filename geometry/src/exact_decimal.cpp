#include "velmora/exact_value.h"

#include "exact_parts.h"

#include <algorithm>
#include <string>

namespace velmora {
namespace {

using detail::Wide;

enum class DecimalKind { NotDigits, Zero, BeyondLimits, Value };

struct Decimal {
    DecimalKind kind = DecimalKind::NotDigits;
    std::optional<ExactValue> value;
};

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Wide powerOfTen(int n) {
    Wide p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// Where the digits have more than this many significant digits, or a
// denominator of 10ⁿ with n beyond the other bound, no reduction brings the
// value within ten digits: a denominator 2ᵃ·5ᵇ below 10¹⁰ has a, b ≤ 33, and
// its numerator then at most 10¹⁰·5³³ < 10³⁴. Both fit a Wide.
constexpr std::size_t kMostSignificantDigits = 34;
constexpr int kMostDecimals = 33;

Decimal readDecimal(const DecimalDigits& d) {
    if ((d.integer.empty() && d.fraction.empty()) || !allDigits(d.integer) ||
        !allDigits(d.fraction))
        return {};
    std::string digits = std::string(d.integer) + std::string(d.fraction);
    // digits·10^scale, without leading or trailing zeros.
    long long scale =
        static_cast<long long>(d.exponent) - static_cast<long long>(d.fraction.size());
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {DecimalKind::Zero, ExactValue{}};
    const auto last = digits.find_last_not_of('0');
    scale += static_cast<long long>(digits.size() - 1 - last);
    digits = digits.substr(first, last + 1 - first);
    // From 10¹⁰ up the numerator has eleven digits at least.
    if (digits.size() > kMostSignificantDigits || scale < -kMostDecimals ||
        scale + static_cast<long long>(digits.size()) > 10)
        return {DecimalKind::BeyondLimits, std::nullopt};
    Wide numerator = 0;
    for (char c : digits)
        numerator = numerator * 10 + (c - '0');
    const int places = static_cast<int>(scale < 0 ? -scale : scale);
    detail::Parts parts{numerator, 1, 1, 0};
    (scale < 0 ? parts.denominator : parts.numerator) *= powerOfTen(places);
    const std::optional<ExactValue> value = detail::ExactAccess::reduced(parts);
    return {value ? DecimalKind::Value : DecimalKind::BeyondLimits, value};
}

} // namespace

std::optional<ExactValue> exactDecimal(const DecimalDigits& digits) {
    return readDecimal(digits).value;
}

TypedExact exactValueOf(const TypedForm& form) {
    if (!form.numerator && !form.radicand && !form.pi)
        return {}; // no part at all
    if (form.denominator && !form.numerator)
        return {};
    const ExactValue one = *ExactValue::make(1);
    const Decimal parts[] = {
        form.numerator ? readDecimal(*form.numerator) : Decimal{DecimalKind::Value, one},
        form.denominator ? readDecimal(*form.denominator) : Decimal{DecimalKind::Value, one},
        form.radicand ? readDecimal(*form.radicand) : Decimal{DecimalKind::Value, one},
    };
    // A refusal is told whatever the size of the other parts.
    for (const Decimal& part : parts)
        if (part.kind == DecimalKind::NotDigits || part.kind == DecimalKind::Zero)
            return {};
    const TypedExact noForm{TypedOutcome::NoExactForm, std::nullopt};
    for (const Decimal& part : parts)
        if (!part.value)
            return noForm;
    std::optional<ExactValue> value = divide(*parts[0].value, *parts[1].value);
    const std::optional<ExactValue> root = squareRoot(*parts[2].value);
    if (value && root)
        value = multiply(*value, *root);
    if (value && form.pi)
        value = multiply(*value, *ExactValue::make(1, 1, 1, 1));
    if (!value || !root)
        return noForm;
    return {TypedOutcome::Exact, value};
}

} // namespace velmora
