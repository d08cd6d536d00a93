// Fuzz target: reading a field's text, as a double and as an exact value,
// and writing a value. The input's first line is the text; further lines
// give number settings: the decimal and the group separator, the negative
// prefix and suffix, and two group sizes.
#include "fuzz_target.h"
#include "locale_settings.h"
#include "ulps.h"
#include "velmora/value_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>

namespace {

using namespace velmora;
using velmora::fuzz::require;
using velmora::test::sampleLocales;

// x under plain settings as Velmora shows it: printf's "%.7f" below 10^8,
// else printf's 15 significant digits "%.14e" (one unit less where they lie
// beyond the largest double) written out in fixed point with zeros after
// them; no sign on a value that shows as zero.
std::string plainShown(double x) {
    if (!std::isfinite(x))
        return std::isnan(x) ? "NaN" : x < 0 ? "-∞" : "∞";
    char printed[400];
    std::snprintf(printed, sizeof printed, "%.7f", std::fabs(x));
    std::string text = printed;
    if (std::strtod(printed, nullptr) >= 1e8) {
        std::snprintf(printed, sizeof printed, "%.14e", std::fabs(x)); // d.dddddddddddddde+XX
        const auto places = static_cast<std::size_t>(std::atoi(printed + 17)) + 1;
        text = printed[0] + std::string(printed + 2, 14);
        if (std::isinf(std::strtod(printed, nullptr)))
            text = std::to_string(std::stoll(text) - 1);
        text.resize(places + 7, '0');
        text.insert(places, 1, '.');
    }
    if (std::signbit(x) && text.find_first_not_of("0.") != text.npos)
        text.insert(0, 1, '-');
    return text;
}

// Plain writing is plainShown's; in every locale a value reads back as the
// number shown, which writes the same text again.
void writes(double x) {
    const std::string expected = plainShown(x);
    require(formatValue(x) == expected, "plain writing is printf's, to 15 significant digits");
    const double shown = std::strtod(expected.c_str(), nullptr);
    for (const auto& locale : sampleLocales()) {
        const std::string text = formatValue(x, locale.settings);
        const double back = parseValue(text, locale.settings);
        require(!std::isfinite(x) || (back == shown && formatValue(back, locale.settings) == text),
                "a written value reads back as the value shown");
    }
}

// Whether `text` has a character that a form is written with, after which
// parseValue may read further than strtod.
bool hasFormMarks(std::string_view text) {
    for (std::string_view mark : {"/", "*", "p", "P", "\u03c0", "\u221a", "\u00b7", "\u22c5"})
        if (text.find(mark) != text.npos)
            return true;
    return false;
}

// Where the text has an exact value, it is the positive number read: the
// same double for a plain number, a few units in the last place from it for
// a form, whose double is worked out in another order.
void readsExactly(const std::string& text, const NumberSettings& settings) {
    const std::optional<ExactValue> exact = readExactValue(text, settings);
    if (!exact)
        return;
    const double read = parseValue(text, settings);
    require(read > 0 && std::isfinite(read), "an exact value is a positive number read");
    require(hasFormMarks(text) ? test::ulpsBetween(exact->toDouble(), read) <= 4
                               : fuzz::sameBits(exact->toDouble(), read),
            "an exact value and its double agree");
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
    // hexadecimal) after the ASCII blanks that both skip; the Unicode blanks
    // that strtod does not know, all beyond ASCII, are left out, and so are
    // the forms that strtod does not know. Both stop at a NUL.
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    const std::string_view asciiBlanks = " \t\n\v\f\r";
    const std::string_view read(text.c_str(), end);
    const std::size_t start = std::string_view(text.c_str()).find_first_not_of(asciiBlanks);
    const bool beyondAsciiFirst =
        start != text.npos && static_cast<unsigned char>(text[start]) >= 0x80;
    if (!beyondAsciiFirst && !hasFormMarks(text) &&
        read.find_first_not_of("\t\n\v\f\r +-.0123456789eE") == text.npos)
        require(fuzz::sameBits(parseValue(text), expected), "plain reading is strtod's");
    // Any text under any settings reads as a number that writes.
    require(!std::isnan(parseValue(text, any)), "any settings read a number");
    formatValue(parseValue(text, any), any);
    readsExactly(text, any);
    for (const auto& locale : sampleLocales()) {
        require(!std::isnan(parseValue(text, locale.settings)), "a locale reads a number");
        readsExactly(text, locale.settings);
    }
    writes(parseValue(text));
    if (size >= 8) { // the first eight bytes as a double: NaNs, subnormals, any bits
        double x;
        std::memcpy(&x, data, sizeof x);
        writes(x);
        formatValue(x, any);
    }
    return 0;
}
