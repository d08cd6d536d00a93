// Values typed as a textbook writes them: their double, what reading them
// tells, their exact value, and what an edit may cut from them.
#include "velmora/constants.h"
#include "velmora/exact_text.h"
#include "velmora/value_edit.h"
#include "velmora/value_text.h"

#include "exact_parts.h"
#include "locale_settings.h"
#include "ulps.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <vector>

namespace {

using namespace velmora;
using velmora::test::Parts;
using velmora::test::settingsOf;

struct FormCase {
    const char* locale;
    const char* text;
    double value; // computed as the reading documents it, bit for bit
    ReadOutcome outcome;
    std::optional<Parts> exact = std::nullopt;
};
void PrintTo(const FormCase& c, std::ostream* out) {
    *out << c.locale << " [" << c.text << "]";
}

class FormReading : public ::testing::TestWithParam<FormCase> {};

TEST_P(FormReading, ReadsTheDoubleAndTheExactValue) {
    const FormCase& c = GetParam();
    const ValueReading read = readValue(c.text, settingsOf(c.locale));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(read.value), std::bit_cast<std::uint64_t>(c.value))
        << read.value << " " << c.value;
    EXPECT_EQ(read.outcome, c.outcome);
    const std::optional<ExactValue> exact = readExactValue(c.text, settingsOf(c.locale));
    test::expectParts(exact, c.exact);
    if (exact) {
        EXPECT_LE(test::ulpsBetween(exact->toDouble(), read.value), 4U);
    }
}

const double kRoot2 = std::sqrt(2.0);
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr auto kNumber = ReadOutcome::Number, kNone = ReadOutcome::NoNumber,
               kOver = ReadOutcome::Overflow, kUnder = ReadOutcome::Underflow;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Forms, FormReading, ::testing::Values(
    FormCase{"C", "60π", 60 * kPi, kNumber, Parts{60, 1, 1, 1}},
    FormCase{"C", "60pi", 60 * kPi, kNumber, Parts{60, 1, 1, 1}},
    FormCase{"C", "60·π", 60 * kPi, kNumber, Parts{60, 1, 1, 1}},
    FormCase{"C", "60*Pi", 60 * kPi, kNumber, Parts{60, 1, 1, 1}},
    FormCase{"C", "π", kPi, kNumber, Parts{1, 1, 1, 1}},
    FormCase{"bg_BG", "2,5π", 2.5 * kPi, kNumber, Parts{5, 2, 1, 1}},
    FormCase{"C", "√2", kRoot2, kNumber, Parts{1, 1, 2}},
    FormCase{"C", "3√2", 3 * kRoot2, kNumber, Parts{3, 1, 2}},
    FormCase{"C", "3·√8", 3 * std::sqrt(8.0), kNumber, Parts{6, 1, 2}},
    FormCase{"C", "3/4", 0.75, kNumber, Parts{3, 4}},
    FormCase{"C", "2/3π", 2.0 / 3 * kPi, kNumber, Parts{2, 3, 1, 1}},
    FormCase{"C", "3√2π", 3 * kRoot2 * kPi, kNumber, Parts{3, 1, 2, 1}},
    FormCase{"C", "√2·π", kRoot2 * kPi, kNumber, Parts{1, 1, 2, 1}},
    FormCase{"C", "π/3", 1.0 / 3 * kPi, kNumber, Parts{1, 3, 1, 1}},
    FormCase{"bg_BG", "1 234/5\u00a0678π", 1234.0 / 5678 * kPi, kNumber, Parts{617, 2839, 1, 1}},
    FormCase{"C", "1e3π", 1000 * kPi, kNumber, Parts{1000, 1, 1, 1}},
    // A sign applies to the whole; the text after a form is left.
    FormCase{"C", "-π", -kPi, kNumber}, FormCase{"accounting", "(2√2)", -2 * kRoot2, kNumber},
    FormCase{"C", "60πx", 60 * kPi, kNumber, Parts{60, 1, 1, 1}},
    FormCase{"C", "2/3π/4", 2.0 / 3 * kPi, kNumber, Parts{2, 3, 1, 1}},
    FormCase{"C", "π√2", kPi, kNumber, Parts{1, 1, 1, 1}},
    // Not a form: read as before.
    FormCase{"C", "5 π", 5, kNumber, Parts{5}}, FormCase{"C", "5abc", 5, kNumber, Parts{5}},
    FormCase{"en_US", "2,5π", 2, kNumber, Parts{2}}, FormCase{"C", "3√x", 3, kNumber, Parts{3}},
    FormCase{"C", "1/", 1, kNumber, Parts{1}}, FormCase{"C", "60·", 60, kNumber, Parts{60}},
    FormCase{"C", "·π", 0, kNone}, FormCase{"C", "-.π", 0, kNone}, FormCase{"C", "√-", 0, kNone},
    // Not a positive number: 0, whatever the sign.
    FormCase{"C", "1/0", 0, kNumber}, FormCase{"C", "-1/0", 0, kNumber},
    FormCase{"C", "√-2", 0, kNumber}, FormCase{"C", "0π", 0, kNumber},
    FormCase{"C", "1/-2", 0, kNumber}, FormCase{"C", "1e400/0", 0, kNumber},
    // Beyond the double range, by a number or a step.
    FormCase{"C", "1e400π", kInf, kOver}, FormCase{"C", "-1e400π", -kInf, kOver},
    FormCase{"C", "1/1e-400", kInf, kOver}, FormCase{"C", "√1e400", kInf, kOver},
    FormCase{"C", "1e400/1e400", kInf, kOver}, FormCase{"C", "1e308π", kInf, kOver},
    FormCase{"C", "1e-400π", 0, kUnder}, FormCase{"C", "1e-300/1e100", 0, kUnder},
    // Exact values, within ten digits a part.
    FormCase{"C", "12345678901π", 12345678901 * kPi, kNumber},
    FormCase{"bg_BG", "0,1", 0.1, kNumber, Parts{1, 10}},
    FormCase{"bg_BG", "3,0000000", 3, kNumber, Parts{3}},
    FormCase{"bg_BG", "1 234,5", 1234.5, kNumber, Parts{2469, 2}},
    FormCase{"C", "0.0000000001", 1e-10, kNumber}, FormCase{"C", "1e10", 1e10, kNumber},
    FormCase{"C", "-5", -5, kNumber}, FormCase{"C", "0", 0, kNumber}));
// clang-format on

// What exactText writes with π above the line reads back as the same value.
TEST(FormReading, ReadsWhatExactTextWrites) {
    const Parts rows[] = {{4},       {15, 1, 1, 1}, {9, 1, 2, 1},    {1, 3, 1, 1}, {2, 3, 1, 1},
                          {1, 2, 2}, {3, 4},        {1234, 1, 1, 1}, {7, 10}};
    for (const char* locale : {"C", "bg_BG", "de_CH"})
        for (const Parts& row : rows) {
            const std::string text = exactText(test::exact(row), settingsOf(locale));
            test::expectParts(readExactValue(text, settingsOf(locale)), row);
        }
}

struct EditCase {
    const char* locale;
    const char* text;
    const char* shortened;
    bool keeps;
};
void PrintTo(const EditCase& c, std::ostream* out) {
    *out << c.locale << " [" << c.text << "] to [" << c.shortened << "]";
}

class FormEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(FormEdit, KeepsTheValueOrLosesOnlyDecimals) {
    const EditCase& c = GetParam();
    EXPECT_EQ(keepsNumber(c.text, c.shortened, settingsOf(c.locale)), c.keeps);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edits, FormEdit, ::testing::Values(
    // Plain numbers, as before.
    EditCase{"C", "37.6991118", "37.6991", true}, EditCase{"C", "50000000", "5000000", false},
    EditCase{"C", "-5.5", "5.5", false}, EditCase{"C", "1e5", "1e", false},
    EditCase{"C", "abc", "ab", true}, EditCase{"C", "1", "", false},
    EditCase{"C", "\u00a05", "\u00a0", false},
    // A form keeps its marks, and each number its whole part.
    EditCase{"C", "2/3π", "2/3", false}, EditCase{"C", "60pi", "60p", false},
    EditCase{"C", "60·π", "60·", false},
    EditCase{"C", "√2", "√", false}, EditCase{"C", "3√25", "3√2", false},
    EditCase{"C", "π", "", false}, EditCase{"C", "2e5π", "2e5", false},
    EditCase{"C", "π/3", "π/", false}, EditCase{"C", "-π", "π", false},
    EditCase{"C", "π5", "π", true}, EditCase{"C", "2/x3", "2/3", false},
    EditCase{"bg_BG", "3,14159265π", "3,1415π", true},
    EditCase{"C", "1/3.3333", "1/3.33", true}));
// clang-format on

// The group separators of each number of a form, which the typing limit
// leaves uncounted, as byte ranges' starts.
TEST(FormEdit, FindsTheGroupSeparatorsOfEachNumber) {
    const struct {
        const char* locale;
        const char* text;
        std::vector<std::size_t> starts;
    } rows[] = {
        {"bg_BG", "1 500 0", {1, 5}},     {"bg_BG", "1 500/3 000π", {1, 7}},
        {"bg_BG", "√1 000/2 0", {4, 10}}, {"bg_BG", "π/1 000", {4}},
        {"C", "1 500/3 000", {}},
    };
    for (const auto& row : rows) {
        std::vector<std::size_t> starts;
        for (const TextRange& r : digitGroupSeparators(row.text, settingsOf(row.locale)))
            starts.push_back(r.start);
        EXPECT_EQ(starts, row.starts) << row.locale << " [" << row.text << "]";
    }
}

} // namespace
