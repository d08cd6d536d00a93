#include "velmora/value_text.h"

#include "locale_settings.h"

#include <gtest/gtest.h>

#include <ostream>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

using namespace velmora;
using velmora::test::settingsOf;

struct ParseCase {
    const char* locale;
    const char* text;
    double expected;
    // What readValue tells of the number, where the row is about it.
    std::optional<ReadOutcome> outcome = std::nullopt;
};
void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << c.locale << " [" << c.text << "]";
}

class ParseTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTable, ReadsTheLeadingNumber) {
    const ParseCase c = GetParam();
    const double got = parseValue(c.text, settingsOf(c.locale));
    if (std::isinf(c.expected)) {
        EXPECT_EQ(got, c.expected);
    } else {
        EXPECT_DOUBLE_EQ(got, c.expected);
    }
    EXPECT_EQ(std::signbit(got), std::signbit(c.expected));
    const ValueReading read = readValue(c.text, settingsOf(c.locale));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(read.value), std::bit_cast<std::uint64_t>(got));
    if (c.outcome) {
        EXPECT_EQ(read.outcome, *c.outcome);
    }
}

constexpr double kInf = std::numeric_limits<double>::infinity();

// Texts as a user types them; the same in every point locale.
INSTANTIATE_TEST_SUITE_P(
    Typed, ParseTable,
    ::testing::Values(
        ParseCase{"C", "5", 5}, ParseCase{"C", "5abc", 5},
        ParseCase{"C", "abc", 0, ReadOutcome::NoNumber}, ParseCase{"C", "-5", -5},
        ParseCase{"C", "", 0, ReadOutcome::NoNumber}, ParseCase{"C", ".5", 0.5},
        ParseCase{"C", "2,5", 2}, ParseCase{"en_US", "2,5", 2}, ParseCase{"C", "5.", 5},
        ParseCase{"C", "  +7.25", 7.25}, ParseCase{"C", "\t3", 3}, ParseCase{"C", "1e3", 1000},
        ParseCase{"C", "2.5E-4", 2.5e-4}, ParseCase{"C", "1e", 1}, ParseCase{"C", "1e+", 1},
        ParseCase{"C", "1ex", 1}, ParseCase{"C", "1.5.5", 1.5}, ParseCase{"C", "-", 0},
        ParseCase{"C", ".", 0}, ParseCase{"C", "-.5", -0.5}, ParseCase{"C", "inf", 0},
        ParseCase{"C", "nan", 0}, ParseCase{"C", "0x10", 0}, ParseCase{"C", "--5", 0},
        ParseCase{"C", "5 6", 5}, ParseCase{"C", "0012.50", 12.5}, ParseCase{"C", "(5)", 0},
        // Beyond the double range either way, told apart from a zero typed.
        ParseCase{"C", "1e400", kInf, ReadOutcome::Overflow},
        ParseCase{"C", "-1e400", -kInf, ReadOutcome::Overflow},
        ParseCase{"C", "1e-400", 0, ReadOutcome::Underflow},
        ParseCase{"C", "-1e-400", -0.0, ReadOutcome::Underflow},
        ParseCase{"C", "2e-324", 0, ReadOutcome::Underflow},
        ParseCase{"C", "3e-324", 3e-324, ReadOutcome::Number},
        ParseCase{"C", "0", 0, ReadOutcome::Number},
        ParseCase{"C", "0.000e99999", 0, ReadOutcome::Number},
        ParseCase{"C", "1e99999999999999999999", kInf, ReadOutcome::Overflow},
        ParseCase{"C", "1e-99999999999999999999", 0, ReadOutcome::Underflow},
        // Any Unicode blank before the number is skipped, as pasted text brings them.
        ParseCase{"C", "\u00a03", 3}, ParseCase{"C", "\n3", 3}, ParseCase{"C", "\r\n\t3", 3},
        ParseCase{"C", "\u20073", 3}, ParseCase{"C", "\u202f3", 3}, ParseCase{"C", "\u30003", 3},
        ParseCase{"C", "\u2028-3", -3}, ParseCase{"C", "\ufeff\u200b.5", 0.5},
        ParseCase{"C", "\u00a0", 0}));

// Texts in a comma or grouping locale: its own forms read, and the point
// still works.
INSTANTIATE_TEST_SUITE_P(
    Regional, ParseTable,
    ::testing::Values(
        ParseCase{"bg_BG", "0,000", 0, ReadOutcome::Number},
        ParseCase{"bg_BG", "47,1238898", 47.1238898}, ParseCase{"bg_BG", "47.1238898", 47.1238898},
        ParseCase{"bg_BG", "1\u00a0234,5000000", 1234.5}, ParseCase{"bg_BG", "1\u00a0234", 1234},
        ParseCase{"bg_BG", "2,5", 2.5}, ParseCase{"bg_BG", "\u00a01\u00a0234,5\r\n", 1234.5},
        ParseCase{"de_DE", "1.234,0000000", 1234}, ParseCase{"de_DE", "1.5", 1.5},
        ParseCase{"de_DE", "1.234", 1234}, ParseCase{"de_DE", "1.23,5", 1.23},
        ParseCase{"de_DE", "12.345.678,5", 12345678.5}, ParseCase{"de_DE", "1234.567,5", 1234.567},
        ParseCase{"en_US", "1,234.5", 1234.5}, ParseCase{"en_US", "1,234,567.25", 1234567.25},
        ParseCase{"en_US", "1,23.5", 1}, ParseCase{"en_US", "1,2345.5", 1},
        ParseCase{"en_US", ",123.5", 0}, ParseCase{"hi_IN", "12,34,567.5", 1234567.5},
        ParseCase{"hi_IN", "1,234,567.5", 1}, ParseCase{"accounting", "(5.0000000)", -5},
        ParseCase{"minus_sign", "\u22125,5", -5.5}, ParseCase{"minus_sign", "-5,5", -5.5},
        ParseCase{"fr_FR", "1\u202f000,25", 1000.25},
        // A plain space typed where the separator is a kind of space.
        ParseCase{"bg_BG", "1 234,5", 1234.5}, ParseCase{"bg_BG", "1 234\u00a0567,5", 1234567.5},
        ParseCase{"bg_BG", "12 34,5", 12}, ParseCase{"bg_BG", "1 234", 1234},
        ParseCase{"fr_FR", "1 000,25", 1000.25}, ParseCase{"de_DE", "1 234,5", 1},
        ParseCase{"en_US", "1 234.5", 1},
        // Whole numbers grouped as the locale groups digits, without decimals.
        ParseCase{"bg_BG", "3 000", 3000}, ParseCase{"bg_BG", "12 345", 12345},
        ParseCase{"bg_BG", "1 234 567", 1234567}, ParseCase{"bg_BG", "3 ", 3},
        ParseCase{"bg_BG", "3 000 ", 3000}, ParseCase{"bg_BG", "0 123", 0},
        ParseCase{"en_US", "1,234", 1234}, ParseCase{"en_US", "2,500", 2500},
        ParseCase{"en_US", "-1,234", -1234}, ParseCase{"en_US", "1,234,567", 1234567},
        ParseCase{"en_US", "1,234,", 1234}, ParseCase{"en_US", "1,234abc", 1234},
        ParseCase{"en_US", "1,234e3", 1234000}, ParseCase{"en_US", "1,234.", 1234},
        ParseCase{"de_DE", "12.345.678", 12345678}, ParseCase{"accounting", "(1,234)", -1234},
        ParseCase{"hi_IN", "1,23,456", 123456}, ParseCase{"hi_IN", "12,34,567", 1234567},
        // Groups that are not the locale's: the number ends at the separator.
        ParseCase{"en_US", "1,2345", 1}, ParseCase{"en_US", "1,234,5", 1},
        ParseCase{"en_US", "12,34", 12}, ParseCase{"en_US", "0,123", 0},
        ParseCase{"en_US", "00,123", 0}, ParseCase{"en_US", "1,,234", 1},
        ParseCase{"en_US", "1, 234", 1}, ParseCase{"hi_IN", "123,456", 123},
        ParseCase{"hi_IN", "1,234,567", 1}, ParseCase{"de_DE", "1.234.5", 1.234},
        // A plain apostrophe typed where the separator is a kind of apostrophe.
        ParseCase{"de_CH", "1'234.5", 1234.5}, ParseCase{"de_CH", "1\u2019234.5", 1234.5},
        ParseCase{"de_CH", "1'234", 1234}, ParseCase{"de_CH", "12'345'678.25", 12345678.25},
        ParseCase{"de_CH", "1'23", 1}, ParseCase{"de_CH", "1 234", 1},
        ParseCase{"en_US", "1'234", 1},
        // One character for both separators: it can only be the decimal one.
        ParseCase{"same_separators", "1,234", 1.234},
        ParseCase{"same_separators", "1,234,5", 1.234}));

TEST(ParseValue, LongTextsReadInLinearTime) {
    const std::string digits(200000, '7');
    EXPECT_EQ(parseValue(digits), kInf);
    EXPECT_EQ(parseValue("0." + digits), 0.7777777777777778);
    EXPECT_EQ(parseValue(std::string(200000, '0') + "1"), 1);
}

} // namespace
