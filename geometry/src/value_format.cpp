#include "velmora/value_text.h"

#include "digit_groups.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace velmora {
namespace {

// Inserts the group separator into a run of integer digits, from the right.
std::string groupInteger(std::string_view digits, const NumberSettings& s) {
    if (!detail::groupsDigits(s))
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

} // namespace

std::string formatValue(double value, const NumberSettings& settings) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? settings.negativePrefix + "∞" + settings.negativeSuffix : "∞";

    // to_chars writes the exact binary value rounded to seven decimals, in
    // the C form and never in exponent form: at most 309 integer digits.
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value),
                                            std::chars_format::fixed, kDisplayedDecimals);
    if (error != std::errc{})
        return {};
    const std::string_view plain(buffer, static_cast<std::size_t>(end - buffer));
    const auto point = plain.find('.');
    const std::string_view integer = plain.substr(0, point);
    const std::string_view decimals = plain.substr(point + 1);

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
