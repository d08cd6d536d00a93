#include "velmora/value_text.h"

#include "digit_groups.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace velmora {
namespace {

// Inserts the group separator into a run of integer digits, from the right.
std::string groupInteger(std::string_view digits, const NumberSettings& s) {
    if (!s.groupsDigits())
        return std::string(digits);
    std::string reversed;
    int index = 0, inGroup = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (inGroup == detail::groupSize(s, index)) {
            reversed.append(s.groupSeparator.rbegin(), s.groupSeparator.rend());
            ++index;
            inGroup = 0;
        }
        reversed.push_back(*it);
        ++inGroup;
    }
    return {reversed.rbegin(), reversed.rend()};
}

// |value| as shown, in the C form: the exact binary value correctly rounded
// to seven decimals or, where that leaves more than 15 significant digits
// (from 10^8 on), to 15 significant digits, the places after them written
// as zeros. Never in exponent form: at most 309 integer digits.
std::string shownDigits(double magnitude) {
    char buffer[400];
    auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                 std::chars_format::fixed, kDisplayedDecimals);
    const std::string_view fixed(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t integerDigits = fixed.find('.');
    if (integerDigits + kDisplayedDecimals <= kSignificantDigits)
        return std::string(fixed);

    // "d.dddddddddddddde+XX", X at least 8 here: the integer holds the first
    // X + 1 places, and at most six decimals carry digits.
    written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                            std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + 2, written.ptr, exponent); // after "e+"
    std::string digits(1, scientific[0]);
    digits += scientific.substr(2, e - 2);
    // The top doubles round to 1.79769313486232e308, beyond the largest
    // double (1.7976931348623157e308), which would read back as infinite:
    // they show the largest 15 digits within the range instead.
    constexpr std::string_view kLargestDigits = "179769313486231";
    if (exponent == 308 && digits > kLargestDigits)
        digits = kLargestDigits;

    const auto integerPlaces = static_cast<std::size_t>(exponent) + 1;
    digits.resize(std::max(digits.size(), integerPlaces + kDisplayedDecimals), '0');
    return digits.substr(0, integerPlaces) + '.' + digits.substr(integerPlaces, kDisplayedDecimals);
}

} // namespace

std::string formatValue(double value, const NumberSettings& settings) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? settings.negativePrefix + "∞" + settings.negativeSuffix : "∞";

    const std::string plain = shownDigits(std::abs(value));
    const auto point = plain.find('.');
    const std::string_view integer = std::string_view(plain).substr(0, point);
    const std::string_view decimals = std::string_view(plain).substr(point + 1);

    // A value that rounds to zero shows no sign.
    const bool negative =
        std::signbit(value) && plain.find_first_not_of("0.") != std::string_view::npos;

    std::string text;
    if (negative)
        text += settings.negativePrefix;
    text += groupInteger(integer, settings);
    text += settings.decimalSeparator;
    text += decimals;
    if (negative)
        text += settings.negativeSuffix;
    return text;
}

} // namespace velmora
