#include "velmora/value_text.h"

#include "locale_settings.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <ostream>

#include <cmath>
#include <string>

namespace {

using namespace velmora;
using velmora::test::settingsOf;

struct FormatCase {
    const char* locale;
    double value;
    const char* expected;
};
void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.locale << " " << std::setprecision(17) << c.value;
}

class FormatTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, WritesSevenDecimals) {
    const FormatCase c = GetParam();
    EXPECT_EQ(formatValue(c.value, settingsOf(c.locale)), c.expected) << c.locale;
}

INSTANTIATE_TEST_SUITE_P(
    Plain, FormatTable,
    ::testing::Values(
        FormatCase{"C", 4, "4.0000000"}, FormatCase{"C", 47.12388980384685, "47.1238898"},
        FormatCase{"C", 0, "0.0000000"}, FormatCase{"C", 1234567.0, "1234567.0000000"},
        // Rounding follows the double's exact value: 0.00000005
        // is stored a little below the tie, 2.00000005 a little
        // above it.
        FormatCase{"C", 0.00000005, "0.0000000"}, FormatCase{"C", 2.00000005, "2.0000001"},
        FormatCase{"C", 0.12345675, "0.1234568"}, FormatCase{"C", 0.99999996, "1.0000000"},
        FormatCase{"C", 3.0000000000000004, "3.0000000"}, FormatCase{"C", -2.5, "-2.5000000"},
        FormatCase{"C", -0.00000001, "0.0000000"},
        FormatCase{"C", 1e20, "100000000000000000000.0000000"},
        // No more than the 15 significant digits a double holds, the places
        // after them written as zeros; below 10^8 seven decimals are fewer.
        FormatCase{"C", 12345678.1234567, "12345678.1234567"},
        FormatCase{"C", 99999999.9999999, "99999999.9999999"},
        FormatCase{"C", 123456789.1234567, "123456789.1234570"},
        FormatCase{"C", 999999999999999.7, "1000000000000000.0000000"},
        FormatCase{"C", -1.2345678901234567e18, "-1234567890123460000.0000000"},
        FormatCase{"C", 1e100,
                   "1000000000000000000000000000000000000000000000000000000000000000000000000000000"
                   "0000000000000000000000.0000000"}));

INSTANTIATE_TEST_SUITE_P(
    Regional, FormatTable,
    ::testing::Values(FormatCase{"bg_BG", 47.12388980384685, "47,1238898"},
                      FormatCase{"bg_BG", 1234.5, "1\u00a0234,5000000"},
                      FormatCase{"bg_BG", 999.5, "999,5000000"},
                      FormatCase{"bg_BG", 301592894.7446198, "301\u00a0592\u00a0894,7446200"},
                      FormatCase{"de_DE", 1234, "1.234,0000000"},
                      FormatCase{"de_DE", 1234567.125, "1.234.567,1250000"},
                      FormatCase{"en_US", 1234567.125, "1,234,567.1250000"},
                      FormatCase{"en_US", 123456, "123,456.0000000"},
                      FormatCase{"en_US", -1234, "-1,234.0000000"},
                      FormatCase{"hi_IN", 1234567, "12,34,567.0000000"},
                      FormatCase{"accounting", -1234, "(1,234.0000000)"},
                      FormatCase{"accounting", -123456789012.34567, "(123,456,789,012.3460000)"},
                      FormatCase{"minus_sign", -1234, "\u22121'234,0000000"}));

TEST(FormatValue, LargestDoubleIsWrittenInFullWithoutExponent) {
    const std::string text = formatValue(1.7976931348623157e308);
    EXPECT_EQ(text.find_first_of("eE"), std::string::npos);
    EXPECT_EQ(text.size(), 309u + 1u + 7u);
    // 15 digits, taken toward zero: 179769313486232 would read back as infinite.
    EXPECT_EQ(text.substr(0, 15), "179769313486231");
    EXPECT_EQ(text.find_first_not_of('0', 15), 309u);
    EXPECT_EQ(text.substr(text.size() - 8), ".0000000");
}

} // namespace
