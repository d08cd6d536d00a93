#include "velmora/exact_text.h"

#include "exact_parts.h"
#include "locale_settings.h"
#include "table_rows.h"

#include <gtest/gtest.h>

namespace {

using namespace velmora;
using velmora::test::exact;
using velmora::test::Parts;
using velmora::test::rowName;
using velmora::test::settingsOf;

struct TextCase {
    const char* name;
    const char* locale;
    Parts value;
    const char* text;
};

class Text : public ::testing::TestWithParam<TextCase> {};

TEST_P(Text, IsWrittenAsATextbookWritesIt) {
    const TextCase& c = GetParam();
    EXPECT_EQ(exactText(exact(c.value), settingsOf(c.locale)), c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Text, ::testing::Values(
    TextCase{"integer", "C", {4}, "4"},
    TextCase{"zero", "bg_BG", {0}, "0"},
    TextCase{"pi", "C", {1, 1, 1, 1}, "π"},
    TextCase{"times_pi", "C", {15, 1, 1, 1}, "15π"},
    TextCase{"pi_squared", "C", {1, 1, 1, 2}, "π²"},
    TextCase{"root", "C", {3, 1, 2}, "3√2"},
    TextCase{"root_and_pi", "C", {9, 1, 2, 1}, "9√2·π"},
    TextCase{"pi_over", "C", {1, 3, 1, 1}, "π/3"},
    TextCase{"fraction_pi", "C", {2, 3, 1, 1}, "2π/3"},
    TextCase{"root_over", "C", {1, 2, 2}, "√2/2"},
    TextCase{"root_pi_over", "C", {1, 3, 2, 1}, "√2·π/3"},
    TextCase{"fraction", "de_DE", {3, 4}, "3/4"},
    TextCase{"over_pi", "C", {15, 1, 1, -1}, "15/π"},
    TextCase{"over_a_product", "C", {15, 2, 1, -1}, "15/(2π)"},
    TextCase{"one_over_pi", "C", {1, 1, 1, -1}, "1/π"},
    TextCase{"root_over_a_product", "C", {3, 4, 3, -2}, "3√3/(4π²)"},
    TextCase{"grouped", "bg_BG", {1234, 1, 1, 1}, "1\u00a0234π"},
    TextCase{"grouped_denominator", "en_US", {1, 1000, 1, -1}, "1/(1,000π)"},
    TextCase{"indian_groups", "hi_IN", {1'234'567}, "12,34,567"},
    TextCase{"grouped_radicand", "en_US", {1, 1, 12'345}, "√(12,345)"},
    TextCase{"ungrouped_radicand", "C", {1, 1, 12'345}, "√12345"},
    TextCase{"negative", "C", {-1, 3, 1, 1}, "-π/3"},
    TextCase{"negative_accounting", "accounting", {-1, 3, 1, 1}, "(π/3)"}),
    rowName);
// clang-format on

} // namespace
