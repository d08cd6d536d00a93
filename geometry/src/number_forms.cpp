#include "velmora/number_forms.h"

#include "velmora/superscript_digits.h"
#include "velmora/value_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace velmora {
namespace {

// |value| rounded to fifteen significant digits: the digits of a·10ⁿ,
// without trailing zeros and without the point, and n.
struct Significand {
    std::string digits;
    int exponent = 0;
};

Significand significandOf(double value) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value),
                                   std::chars_format::scientific, kSignificantDigits - 1)
                         .ptr;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const auto e = text.find('e');
    Significand s;
    for (char c : text.substr(0, e))
        if (c != '.')
            s.digits.push_back(c);
    while (s.digits.size() > 1 && s.digits.back() == '0')
        s.digits.pop_back();
    const std::string_view exponent = text.substr(e + 1);
    std::from_chars(exponent.data() + (exponent.front() == '+' ? 1 : 0),
                    exponent.data() + exponent.size(), s.exponent);
    return s;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string formatPowerOfTen(double value, const NumberSettings& settings) {
    if (!std::isfinite(value))
        return formatValue(value, settings);
    if (value == 0)
        return "0";
    const Significand s = significandOf(value);
    std::string text = s.digits.substr(0, 1);
    if (s.digits.size() > 1)
        text += settings.decimalSeparator + s.digits.substr(1);
    text += "·10" + superscriptNumber(s.exponent);
    if (std::signbit(value))
        return settings.negativePrefix + text + settings.negativeSuffix;
    return text;
}

bool sevenDecimalsHideDigits(double value) {
    if (!std::isfinite(value) || value == 0)
        return false;
    const Significand s = significandOf(value);
    // The field's places run from the value's leading digit, 10ⁿ, down to
    // the seventh decimal.
    const int shown = std::max(0, s.exponent + 1 + kDisplayedDecimals);
    return shown < std::min<int>(kDisplayedDecimals, static_cast<int>(s.digits.size()));
}

std::string withoutTrailingZeros(std::string_view shown, const NumberSettings& settings) {
    const std::string& separator = settings.decimalSeparator;
    const auto at = separator.empty() ? std::string_view::npos : shown.rfind(separator);
    if (at == std::string_view::npos)
        return std::string(shown);
    const std::size_t first = at + separator.size();
    std::size_t end = first; // past the decimals
    while (end < shown.size() && isDigit(shown[end]))
        ++end;
    std::size_t kept = end;
    while (kept > first && shown[kept - 1] == '0')
        --kept;
    std::string text(shown.substr(0, kept > first ? kept : at));
    text += shown.substr(end);
    return text;
}

} // namespace velmora
