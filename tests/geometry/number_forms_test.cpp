#include "velmora/number_forms.h"
#include "velmora/value_text.h"

#include "locale_settings.h"
#include "table_rows.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

namespace {

using namespace velmora;
using velmora::test::rowName;
using velmora::test::settingsOf;

struct PowerOfTenCase {
    const char* name;
    const char* locale;
    double value;
    const char* expected;
};

class PowerOfTen : public ::testing::TestWithParam<PowerOfTenCase> {};

TEST_P(PowerOfTen, WritesFifteenSignificantDigitsAndASuperscriptExponent) {
    const PowerOfTenCase& c = GetParam();
    EXPECT_EQ(formatPowerOfTen(c.value, settingsOf(c.locale)), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, PowerOfTen, ::testing::Values(
    PowerOfTenCase{"fifteen_digits_rounded", "C", 0.0017320508075688772, "1.73205080756888·10⁻³"},
    PowerOfTenCase{"no_trailing_zeros", "de_DE", 2.5e-8, "2,5·10⁻⁸"},
    PowerOfTenCase{"one_digit_no_separator", "C", 1e-9, "1·10⁻⁹"},
    PowerOfTenCase{"rounding_carries_into_the_exponent", "C", 9.9999999999999996e-5, "1·10⁻⁴"},
    PowerOfTenCase{"smallest_double", "bg_BG", std::numeric_limits<double>::denorm_min(),
                   "4,94065645841247·10⁻³²⁴"},
    PowerOfTenCase{"positive_exponent", "en_US", 1234.5, "1.2345·10³"},
    PowerOfTenCase{"exponent_of_three_digits", "C", 1e100, "1·10¹⁰⁰"},
    PowerOfTenCase{"exponent_zero", "C", 5, "5·10⁰"},
    PowerOfTenCase{"negative_accounting", "accounting", -1.5e-9, "(1.5·10⁻⁹)"},
    PowerOfTenCase{"negative_minus_sign", "minus_sign", -1.5e-9, "\u22121,5·10⁻⁹"},
    PowerOfTenCase{"zero", "bg_BG", 0.0, "0"},
    PowerOfTenCase{"infinity", "C", std::numeric_limits<double>::infinity(), "∞"}),
    rowName);
// clang-format on

// Read back, a·10ⁿ is the value to fifteen significant digits, across the
// whole double range.
TEST(PowerOfTenReadBack, IsTheValueToFifteenDigits) {
    const NumberSettings bulgarian = settingsOf("bg_BG");
    const std::string_view superscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹", "⁻"};
    for (double value = std::numeric_limits<double>::denorm_min();
         value < std::numeric_limits<double>::infinity(); value *= 7.3890560989306495) {
        std::string text = formatPowerOfTen(value, bulgarian);
        // Back to the C form: "1,5·10⁻⁹" as "1.5e-9".
        if (const auto comma = text.find(','); comma != std::string::npos)
            text.replace(comma, 1, ".");
        text.replace(text.find("·10"), std::string_view("·10").size(), "e");
        for (std::size_t i = 0; i < std::size(superscripts); ++i)
            for (auto at = text.find(superscripts[i]); at != std::string::npos;
                 at = text.find(superscripts[i]))
                text.replace(at, superscripts[i].size(),
                             i < 10 ? std::string(1, char('0' + i)) : "-");
        char rounded[32];
        std::snprintf(rounded, sizeof rounded, "%.14e", value);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(rounded, nullptr)) << text;
    }
}

struct HiddenDigitsCase {
    const char* name;
    double value;
    bool hidden;
};

class HiddenDigits : public ::testing::TestWithParam<HiddenDigitsCase> {};

TEST_P(HiddenDigits, WhereSevenDecimalsShowFewerThanSevenSignificantDigits) {
    EXPECT_EQ(sevenDecimalsHideDigits(GetParam().value), GetParam().hidden)
        << formatValue(GetParam().value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, HiddenDigits, ::testing::Values(
    HiddenDigitsCase{"shown_as_zero", 1.8137993642342163e-9, true},
    HiddenDigitsCase{"rounded_up_to_the_last_place", 5e-8, true},
    HiddenDigitsCase{"six_of_fifteen_digits", 0.012345678901234, true},
    HiddenDigitsCase{"two_digits_in_one_place", 1.5e-7, true},
    HiddenDigitsCase{"seven_digits", 0.12345678901234, false},
    HiddenDigitsCase{"every_digit_it_has", 0.001, false},
    HiddenDigitsCase{"one_digit_in_the_last_place", 1e-7, false},
    HiddenDigitsCase{"whole_number", 4, false},
    HiddenDigitsCase{"negative_tiny", -2e-9, true},
    HiddenDigitsCase{"zero", 0, false},
    HiddenDigitsCase{"not_a_number", std::numeric_limits<double>::quiet_NaN(), false}),
    rowName);
// clang-format on

struct ShortFormCase {
    const char* name;
    const char* locale;
    double value;
    const char* expected;
};

class ShortForm : public ::testing::TestWithParam<ShortFormCase> {};

TEST_P(ShortForm, DropsTrailingZerosOfTheShownDecimals) {
    const NumberSettings s = settingsOf(GetParam().locale);
    EXPECT_EQ(withoutTrailingZeros(formatValue(GetParam().value, s), s), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, ShortForm, ::testing::Values(
    ShortFormCase{"whole", "bg_BG", 4, "4"},
    ShortFormCase{"some_decimals_grouped", "bg_BG", 1234.5, "1\u00a0234,5"},
    ShortFormCase{"group_separator_is_a_point", "de_DE", 1234567, "1.234.567"},
    ShortFormCase{"rounded_to_zero", "C", 1e-9, "0"},
    ShortFormCase{"negative_accounting", "accounting", -2.5, "(2.5)"}),
    rowName);
// clang-format on

} // namespace
