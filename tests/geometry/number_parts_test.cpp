// The ranges of a number's parts, where reading a value does not show them:
// groups as typed, a lone sign or separator, the exponent as written, a
// number that begins inside a text.
#include "velmora/number_parts.h"

#include "locale_settings.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace velmora;
using velmora::test::settingsOf;

// The parts found, in the order of the text, each named with its text:
// "sign(-) digits(1) group( ) digits(234) point(,) decimals(5) exponent(e3)";
// then where the scan ended.
std::string partsOf(const NumberParts& n) {
    std::string out;
    auto add = [&](const char* name, TextRange part) {
        if (part.size > 0)
            out += std::string(name) + '(' + std::string(n.of(part)) + ") ";
    };
    add("sign", n.sign);
    for (std::size_t i = 0; i < n.digitGroups.size(); ++i) {
        if (i > 0)
            add("group", n.groupSeparators[i - 1]);
        add("digits", n.digitGroups[i]);
    }
    add("point", n.decimalSeparator);
    add("decimals", n.decimals);
    add("exponent", n.exponent);
    return out + "end " + std::to_string(n.end);
}

struct ScanCase {
    const char* locale;
    const char* text;
    std::size_t from;
    DigitGrouping grouping;
    const char* parts;
};
void PrintTo(const ScanCase& c, std::ostream* out) {
    *out << c.locale << " [" << c.text << "] from " << c.from
         << (c.grouping == DigitGrouping::AsTyped ? " as typed" : " as read");
}

class ScanTable : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanTable, FindsEachPartWhereItIs) {
    const ScanCase& c = GetParam();
    EXPECT_EQ(partsOf(scanNumber(c.text, c.from, settingsOf(c.locale), c.grouping)), c.parts);
}

constexpr auto kRead = DigitGrouping::AsRead;
constexpr auto kTyped = DigitGrouping::AsTyped;

INSTANTIATE_TEST_SUITE_P(
    Parts, ScanTable,
    ::testing::Values(
        ScanCase{"bg_BG", "-1\u00a0234,5e3x", 0, kRead,
                 "sign(-) digits(1) group(\u00a0) digits(234) point(,) decimals(5) exponent(e3) "
                 "end 11"},
        // Groups of any size as typed; as read the whole part ends before them.
        ScanCase{"bg_BG", "1 500 0", 0, kTyped,
                 "digits(1) group( ) digits(500) group( ) digits(0) end 7"},
        ScanCase{"bg_BG", "1 500 0", 0, kRead, "digits(1) end 1"},
        ScanCase{"de_DE", "1.5", 0, kTyped, "digits(1) group(.) digits(5) end 3"},
        ScanCase{"de_DE", "1.5", 0, kRead, "digits(1) point(.) decimals(5) end 3"},
        // A separator without a digit after it is no part of the number.
        ScanCase{"en_US", "1,", 0, kTyped, "digits(1) end 1"},
        // A lone sign or decimal separator is taken, with no digits.
        ScanCase{"C", "-x", 0, kRead, "sign(-) end 1"},
        ScanCase{"bg_BG", ",e5", 0, kRead, "point(,) end 1"}, ScanCase{"C", "x", 0, kRead, "end 0"},
        // The exponent as written, only where a digit follows the E.
        ScanCase{"C", "2E+05", 0, kRead, "digits(2) exponent(E+05) end 5"},
        ScanCase{"C", "2e-", 0, kRead, "digits(2) end 1"},
        // Scanning from inside a text.
        ScanCase{"en_US", "R = 1,234.5", 4, kRead,
                 "digits(1) group(,) digits(234) point(.) decimals(5) end 11"}));

} // namespace
