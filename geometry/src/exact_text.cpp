#include "velmora/exact_text.h"

#include "velmora/number_forms.h"
#include "velmora/superscript_digits.h"
#include "velmora/value_text.h"

#include <cstdlib>

namespace velmora {
namespace {

// Every part is below ten digits: a double holds it exactly.
std::string integerText(std::int64_t n, const NumberSettings& settings) {
    return withoutTrailingZeros(formatValue(static_cast<double>(n), settings), settings);
}

std::string piText(int power) {
    std::string text = "π";
    if (power > 1)
        text += kSuperscriptDigits[static_cast<std::size_t>(power)]; // at most kPiPowerLimit
    return text;
}

std::string rootText(std::int64_t radicand, const NumberSettings& settings) {
    const std::string digits = integerText(radicand, settings);
    const bool grouped = digits.size() != std::to_string(radicand).size();
    return "√" + (grouped ? "(" + digits + ")" : digits);
}

} // namespace

std::string exactText(const ExactValue& value, const NumberSettings& settings) {
    if (value.isZero())
        return "0";
    const std::int64_t numerator = std::llabs(value.numerator());
    const bool root = value.radicand() != 1;
    const int pi = value.piPower();

    std::string text;
    if (numerator != 1 || (!root && pi <= 0))
        text = integerText(numerator, settings);
    if (root)
        text += rootText(value.radicand(), settings);
    if (pi > 0) {
        if (root)
            text += "·";
        text += piText(pi);
    }

    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) of
    // "/" + std::string&& when it inlines it.
    const bool denominator = value.denominator() != 1;
    if (denominator || pi < 0)
        text += '/';
    if (denominator && pi < 0)
        text += '(';
    if (denominator)
        text += integerText(value.denominator(), settings);
    if (pi < 0)
        text += piText(-pi);
    if (denominator && pi < 0)
        text += ')';

    if (value.numerator() < 0)
        return settings.negativePrefix + text + settings.negativeSuffix;
    return text;
}

} // namespace velmora
