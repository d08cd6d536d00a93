#include "velmora/value_text.h"

#include "velmora/number_parts.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace velmora {
namespace {

// Blanks in UTF-8: every character that Unicode counts as white space (the
// spaces, tabs and line breaks, CR and LF among them), and the zero-width
// space and byte order mark that a paste from a web page or a file brings.
constexpr std::string_view kBlanks[] = {
    "\t",     "\n",     "\v",     "\f",     "\r",     " ",      "\u0085", "\u00a0", "\u1680",
    "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
    "\u2009", "\u200a", "\u200b", "\u2028", "\u2029", "\u202f", "\u205f", "\u3000", "\ufeff",
};

// The size of the blank that `text` begins with, or 0.
std::size_t leadingBlank(std::string_view text) {
    for (std::string_view blank : kBlanks)
        if (text.starts_with(blank))
            return blank.size();
    return 0;
}

// The exponent's value, saturated far beyond any double's range so that
// "1e99999999999999999999" stays an overflow rather than wrapping.
long long saturatedExponent(std::string_view digits, bool negative) {
    constexpr long long limit = 100'000'000;
    long long e = 0;
    for (char c : digits)
        e = std::min(limit, e * 10 + (c - '0'));
    return negative ? -e : e;
}

} // namespace

ValueReading readValue(std::string_view text, const NumberSettings& s) {
    std::size_t start = 0;
    while (const std::size_t blank = leadingBlank(text.substr(start)))
        start += blank;
    const NumberParts number = scanNumber(text, start, s);
    if (!number.hasDigits())
        return {0.0, ReadOutcome::NoNumber};
    const std::string integer = number.wholeDigits();
    const std::string_view fraction = number.of(number.decimals);
    const long long exponent =
        saturatedExponent(number.of(number.exponentDigits), number.negativeExponent);

    // from_chars reads the plain C form whatever the process locale says.
    std::string plain = integer.empty() ? "0" : integer;
    plain += '.';
    plain += fraction;
    plain += 'e';
    plain += std::to_string(exponent);
    double value = 0.0;
    ReadOutcome outcome = ReadOutcome::Number;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: which one follows from the
        // place of the first significant digit.
        const std::string digits = integer + std::string(fraction);
        const auto first = digits.find_first_not_of('0');
        const long long magnitude =
            exponent + static_cast<long long>(integer.size()) - static_cast<long long>(first);
        outcome = magnitude > 0 ? ReadOutcome::Overflow : ReadOutcome::Underflow;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{}) {
        return {0.0, ReadOutcome::NoNumber}; // not reached: the plain form is well formed
    }
    return {number.negative ? -value : value, outcome};
}

double parseValue(std::string_view text, const NumberSettings& s) {
    return readValue(text, s).value;
}

} // namespace velmora
