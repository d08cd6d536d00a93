// Fuzz target: reading a field's text and writing a value. The input's first
// line is the text; further lines give number settings: the decimal and the
// group separator, the negative prefix and suffix, and two group sizes.
#include "fuzz_target.h"
#include "locale_settings.h"
#include "velmora/value_text.h"

#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

namespace {

using namespace velmora;
using velmora::fuzz::require;
using velmora::testing::sampleLocales;

// Plain writing is printf's "%.7f", but for the sign of a value that shows as
// zero and the names of the non-numbers; in every locale a value reads back
// as the number shown, which writes the same text again.
void writes(double x) {
    char printed[400];
    std::snprintf(printed, sizeof printed, "%.7f", x);
    std::string_view expected = printed;
    if (!std::isfinite(x))
        expected = std::isnan(x) ? "NaN" : x < 0 ? "-∞" : "∞";
    else if (expected.find_first_not_of("-0.") == expected.npos)
        expected.remove_prefix(expected[0] == '-');
    require(formatValue(x) == expected, "plain writing is printf's");
    const double shown = std::strtod(printed, nullptr);
    for (const auto& locale : sampleLocales()) {
        const std::string text = formatValue(x, locale.settings);
        const double back = parseValue(text, locale.settings);
        require(!std::isfinite(x) || (back == shown && formatValue(back, locale.settings) == text),
                "a written value reads back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    std::string text, sizes;
    NumberSettings any; // a line that is not there leaves its plain setting
    for (std::string* line : {&text, &any.decimalSeparator, &any.groupSeparator,
                              &any.negativePrefix, &any.negativeSuffix, &sizes})
        std::getline(input, *line);
    if (sizes.size() >= 2) {
        any.primaryGroupSize = static_cast<signed char>(sizes[0]);
        any.secondaryGroupSize = static_cast<signed char>(sizes[1]);
    }
    // Under plain settings the text reads as strtod reads it, bit for bit,
    // where strtod reads the decimal form (it also knows "inf" and
    // hexadecimal) after the blanks that both skip. Both stop at a NUL.
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    if (std::string_view(text.c_str(), end).find_first_not_of(" \t\n\v\f\r+-.0123456789eE") ==
        text.npos)
        require(fuzz::sameBits(parseValue(text), expected), "plain reading is strtod's");
    // Any text under any settings reads as a number that writes.
    require(!std::isnan(parseValue(text, any)), "any settings read a number");
    formatValue(parseValue(text, any), any);
    for (const auto& locale : sampleLocales())
        require(!std::isnan(parseValue(text, locale.settings)), "a locale reads a number");
    writes(parseValue(text));
    if (size >= 8) { // the first eight bytes as a double: NaNs, subnormals, any bits
        double x;
        std::memcpy(&x, data, sizeof x);
        writes(x);
        formatValue(x, any);
    }
    return 0;
}
