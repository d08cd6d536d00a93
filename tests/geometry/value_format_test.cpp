#include "velmora/value_text.h"

#include "locale_settings.h"

#include <gtest/gtest.h>

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
    *out << c.locale << " " << c.value;
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
        FormatCase{"C", 37.69911184307748, "37.6991118"}, FormatCase{"C", 0.25, "0.2500000"},
        FormatCase{"C", 0, "0.0000000"}, FormatCase{"C", 1234567.0, "1234567.0000000"},
        // Rounding follows the double's exact value: 0.00000005
        // is stored a little below the tie, 2.00000005 a little
        // above it.
        FormatCase{"C", 0.00000005, "0.0000000"}, FormatCase{"C", 2.00000005, "2.0000001"},
        FormatCase{"C", 0.12345675, "0.1234568"}, FormatCase{"C", 0.99999996, "1.0000000"},
        FormatCase{"C", 3.0000000000000004, "3.0000000"}, FormatCase{"C", -2.5, "-2.5000000"},
        FormatCase{"C", -0.00000001, "0.0000000"},
        FormatCase{"C", 1e20, "100000000000000000000.0000000"}));

INSTANTIATE_TEST_SUITE_P(Regional, FormatTable,
                         ::testing::Values(FormatCase{"bg_BG", 47.12388980384685, "47,1238898"},
                                           FormatCase{"bg_BG", 1234.5, "1\u00a0234,5000000"},
                                           FormatCase{"bg_BG", 999.5, "999,5000000"},
                                           FormatCase{"de_DE", 1234, "1.234,0000000"},
                                           FormatCase{"de_DE", 1234567.125, "1.234.567,1250000"},
                                           FormatCase{"en_US", 1234567.125, "1,234,567.1250000"},
                                           FormatCase{"en_US", 123456, "123,456.0000000"},
                                           FormatCase{"en_US", -1234, "-1,234.0000000"},
                                           FormatCase{"hi_IN", 1234567, "12,34,567.0000000"},
                                           FormatCase{"accounting", -1234, "(1,234.0000000)"},
                                           FormatCase{"minus_sign", -1234, "\u22121'234,0000000"}));

TEST(FormatValue, LargestDoubleIsWrittenInFullWithoutExponent) {
    const std::string text = formatValue(1.7976931348623157e308);
    EXPECT_EQ(text.find_first_of("eE"), std::string::npos);
    EXPECT_EQ(text.size(), 309u + 1u + 7u);
    EXPECT_EQ(text.substr(0, 6), "179769");
    EXPECT_EQ(text.substr(text.size() - 8), ".0000000");
}

} // namespace
