#include "velmora/constants.h"
#include "velmora/exact_value.h"

#include "exact_parts.h"
#include "table_rows.h"
#include "ulps.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

using namespace velmora;
using velmora::test::exact;
using velmora::test::Parts;
using velmora::test::rowName;

constexpr std::int64_t kMax = INT64_MAX, kMin = INT64_MIN, kTen = 10'000'000'000;
constexpr Parts kPiPart{1, 1, 1, 1};
constexpr std::optional<Parts> kNone;

// ExactValue::make and the arithmetic on values made by it.
enum class Op { Make, Multiply, Divide, Add, Subtract, Power, Root };

struct ArithmeticCase {
    const char* name;
    Op op;
    Parts a;
    Parts b;                     // the second operand; for Power its numerator is the exponent
    std::optional<Parts> result; // in lowest terms
};

std::optional<ExactValue> apply(const ArithmeticCase& c) {
    if (c.op == Op::Make)
        return ExactValue::make(c.a.numerator, c.a.denominator, c.a.radicand, c.a.pi);
    const ExactValue a = exact(c.a);
    switch (c.op) {
    case Op::Make:
        break;
    case Op::Multiply:
        return multiply(a, exact(c.b));
    case Op::Divide:
        return divide(a, exact(c.b));
    case Op::Add:
        return add(a, exact(c.b));
    case Op::Subtract:
        return subtract(a, exact(c.b));
    case Op::Power:
        return power(a, static_cast<int>(c.b.numerator));
    case Op::Root:
        return squareRoot(a);
    }
    return std::nullopt;
}

class Arithmetic : public ::testing::TestWithParam<ArithmeticCase> {};

TEST_P(Arithmetic, IsExactOrHasNoForm) {
    const ArithmeticCase& c = GetParam();
    test::expectParts(apply(c), c.result);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Arithmetic, ::testing::Values(
    ArithmeticCase{"squares_leave_the_root", Op::Make, {6, 4, 12}, {}, Parts{3, 1, 3}},
    ArithmeticCase{"sign_goes_to_the_numerator", Op::Make, {3, -6, 1, -1}, {}, Parts{-1, 2, 1, -1}},
    ArithmeticCase{"zero_radicand_is_zero", Op::Make, {5, 7, 0, 3}, {}, Parts{0}},
    ArithmeticCase{"zero_denominator", Op::Make, {1, 0}, {}, kNone},
    ArithmeticCase{"ten_digits", Op::Make, {kTen - 1, kTen - 2}, {}, Parts{kTen - 1, kTen - 2}},
    ArithmeticCase{"eleven_digits", Op::Make, {kTen}, {}, kNone},
    ArithmeticCase{"eleven_digits_reduced_to_ten", Op::Make, {2 * kTen, 4}, {}, Parts{kTen / 2}},
    ArithmeticCase{"int64_extremes_cancel", Op::Make, {kMin, kMin}, {}, Parts{1}},
    ArithmeticCase{"int64_max", Op::Make, {kMax}, {}, kNone},
    ArithmeticCase{"int64_min_denominator", Op::Make, {1, kMin}, {}, kNone},
    ArithmeticCase{"ten_digit_radicand_with_a_square", Op::Make, {1, 1, kTen - 1}, {}, Parts{3, 1, 1'111'111'111}},
    ArithmeticCase{"eleven_digit_radicand", Op::Make, {1, 1, kTen}, {}, kNone},
    ArithmeticCase{"negative_radicand", Op::Make, {1, 1, -2}, {}, kNone},
    ArithmeticCase{"ninth_power_of_pi", Op::Make, {1, 1, 1, -9}, {}, Parts{1, 1, 1, -9}},
    ArithmeticCase{"tenth_power_of_pi", Op::Make, {1, 1, 1, 10}, {}, kNone},
    ArithmeticCase{"roots_multiply", Op::Multiply, {1, 1, 6}, {1, 1, 3}, Parts{3, 1, 2}},
    ArithmeticCase{"pi_cancels", Op::Multiply, {15, 1, 1, -1}, kPiPart, Parts{15}},
    ArithmeticCase{"product_past_int64", Op::Multiply, {kTen - 1}, {kTen - 1}, kNone},
    ArithmeticCase{"past_int64_then_cancels", Op::Multiply, {kTen - 1, kTen - 2}, {kTen - 2, kTen - 1}, Parts{1}},
    ArithmeticCase{"radicand_product_eleven_digits", Op::Multiply, {1, 1, 100'003}, {1, 1, 100'019}, kNone},
    ArithmeticCase{"radicand_product_ten_digits", Op::Multiply, {1, 1, 99'991}, {1, 1, 100'003}, Parts{1, 1, 9'999'399'973}},
    ArithmeticCase{"pi_power_past_nine", Op::Multiply, {1, 1, 1, 5}, {1, 1, 1, 5}, kNone},
    ArithmeticCase{"root_to_the_numerator", Op::Divide, {1}, {1, 1, 2}, Parts{1, 2, 2}},
    ArithmeticCase{"by_zero", Op::Divide, {1}, {0}, kNone},
    ArithmeticCase{"by_a_tiny_fraction", Op::Divide, {kTen - 1}, {1, kTen - 1}, kNone},
    ArithmeticCase{"like_terms", Op::Add, {2, 1, 1, 1}, {1, 3, 1, 1}, Parts{7, 3, 1, 1}},
    ArithmeticCase{"zero_is_like_a_root", Op::Add, {0}, {1, 1, 2}, Parts{1, 1, 2}},
    ArithmeticCase{"halves_carry_to_eleven_digits", Op::Add, {kTen - 1, 2}, {1, 2}, Parts{kTen / 2}},
    ArithmeticCase{"denominators_past_ten_digits", Op::Add, {1, kTen - 1}, {1, kTen - 2}, kNone},
    ArithmeticCase{"unlike_pi_powers", Op::Add, kPiPart, {1, 1, 1, 2}, kNone},
    ArithmeticCase{"difference_to_zero", Op::Subtract, {1, 1, 2}, {1, 1, 2}, Parts{0}},
    ArithmeticCase{"root_cubed", Op::Power, {1, 1, 2}, {3}, Parts{2, 1, 2}},
    ArithmeticCase{"fourth_power", Op::Power, {1, 2, 1, 1}, {4}, Parts{1, 16, 1, 4}},
    ArithmeticCase{"negative_power", Op::Power, {2, 1, 1, 1}, {-2}, Parts{1, 4, 1, -2}},
    ArithmeticCase{"two_to_33", Op::Power, {2}, {33}, Parts{8'589'934'592}},
    ArithmeticCase{"two_to_34", Op::Power, {2}, {34}, kNone},
    ArithmeticCase{"one_to_int_max", Op::Power, {1}, {INT_MAX}, Parts{1}},
    ArithmeticCase{"minus_one_to_int_min", Op::Power, {-1}, {INT_MIN}, Parts{1}},
    ArithmeticCase{"zero_to_minus_one", Op::Power, {0}, {-1}, kNone},
    ArithmeticCase{"root_of_a_fraction_with_pi", Op::Root, {9, 8, 1, 2}, {}, Parts{3, 4, 2, 1}},
    ArithmeticCase{"root_of_a_tenth", Op::Root, {1, 10}, {}, Parts{1, 10, 10}},
    ArithmeticCase{"root_of_a_ten_digit_square", Op::Root, {9'999'800'001}, {}, Parts{99'999}},
    ArithmeticCase{"odd_power_of_pi", Op::Root, {4, 1, 1, 1}, {}, kNone},
    ArithmeticCase{"negative", Op::Root, {-4}, {}, kNone}),
    rowName);
// clang-format on

// A decimal's digits, exactly: never through a double.
struct DecimalCase {
    const char* name;
    DecimalDigits digits;
    std::optional<Parts> value;
};

class Decimal : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(Decimal, IsExact) {
    const DecimalCase& c = GetParam();
    test::expectParts(exactDecimal(c.digits), c.value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Decimal, ::testing::Values(
    DecimalCase{"a_tenth", {"0", "1", 0}, Parts{1, 10}},
    DecimalCase{"trailing_zeros", {"3", "0000000", 0}, Parts{3}},
    DecimalCase{"no_integer_digits", {"", "5", 0}, Parts{1, 2}},
    DecimalCase{"negative_exponent", {"25", "", -3}, Parts{1, 40}},
    DecimalCase{"zero", {"000", "00", 7}, Parts{0}},
    DecimalCase{"eleven_digits_reduced", {"1234567890", "5", 0}, Parts{2'469'135'781, 2}},
    DecimalCase{"two_to_minus_33", {"0", "000000000116415321826934814453125", 0}, Parts{1, 8'589'934'592}},
    DecimalCase{"ten_decimals", {"0", "0000000001", 0}, kNone},
    DecimalCase{"ten_to_the_ten", {"1", "", 10}, kNone},
    DecimalCase{"largest_exponent", {"1", "", INT_MAX}, kNone},
    DecimalCase{"smallest_exponent", {"1", "", INT_MIN}, kNone},
    DecimalCase{"forty_digits", {"1234567890123456789012345678901234567890", "", -39}, kNone},
    DecimalCase{"no_digits", {"", "", 0}, kNone},
    DecimalCase{"not_digits", {"1", "5e", 0}, kNone}),
    rowName);
// clang-format on

// The typed forms and their refusals.
struct TypedCase {
    const char* name;
    TypedForm form;
    TypedOutcome outcome;
    std::optional<Parts> value;
};

class Typed : public ::testing::TestWithParam<TypedCase> {};

TEST_P(Typed, IsExactOrRefused) {
    const TypedCase& c = GetParam();
    const TypedExact t = exactValueOf(c.form);
    EXPECT_EQ(t.outcome, c.outcome);
    test::expectParts(t.value, c.value);
}

constexpr DecimalDigits kZero{"0", "", 0}, kOne{"1", "", 0}, kTwo{"2", "", 0}, kThree{"3", "", 0};
constexpr auto kExact = TypedOutcome::Exact, kNoForm = TypedOutcome::NoExactForm,
               kRefused = TypedOutcome::Refused;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Typed, ::testing::Values(
    TypedCase{"sixty_pi", {DecimalDigits{"60", "", 0}, {}, {}, true}, kExact, Parts{60, 1, 1, 1}},
    TypedCase{"decimal_pi", {DecimalDigits{"2", "5", 0}, {}, {}, true}, kExact, Parts{5, 2, 1, 1}},
    TypedCase{"pi", {{}, {}, {}, true}, kExact, kPiPart},
    TypedCase{"number_root", {kThree, {}, kTwo, false}, kExact, Parts{3, 1, 2}},
    TypedCase{"root_of_a_decimal", {{}, {}, DecimalDigits{"2", "5", 0}, false}, kExact, Parts{1, 2, 10}},
    TypedCase{"fraction_pi", {kTwo, kThree, {}, true}, kExact, Parts{2, 3, 1, 1}},
    TypedCase{"fraction_root_pi", {kOne, kThree, kTwo, true}, kExact, Parts{1, 3, 2, 1}},
    TypedCase{"eleven_digits", {DecimalDigits{"12345678901", "", 0}, {}, {}, true}, kNoForm, kNone},
    TypedCase{"beyond_doubles", {DecimalDigits{"1", "", 400}, {}, {}, true}, kNoForm, kNone},
    TypedCase{"eleven_digit_radicand", {{}, {}, DecimalDigits{"12345678901", "", 0}, false}, kNoForm, kNone},
    TypedCase{"quotient_past_ten_digits", {DecimalDigits{"99999", "", 0}, DecimalDigits{"0", "000001", 0}, {}, false}, kNoForm, kNone},
    TypedCase{"root_of_zero", {kThree, {}, DecimalDigits{"0", "000", 0}, false}, kRefused, kNone},
    TypedCase{"over_zero", {kOne, kZero, {}, false}, kRefused, kNone},
    TypedCase{"long_over_zero", {DecimalDigits{"1", "", 400}, kZero, {}, false}, kRefused, kNone},
    TypedCase{"zero_pi", {kZero, {}, {}, true}, kRefused, kNone},
    TypedCase{"no_part", {{}, {}, {}, false}, kRefused, kNone},
    TypedCase{"denominator_alone", {{}, kThree, {}, true}, kRefused, kNone},
    TypedCase{"a_sign", {DecimalDigits{"-2", "", 0}, {}, {}, true}, kRefused, kNone}),
    rowName);
// clang-format on

// The double of an exact value is the same quantity computed in doubles,
// with the program's π, to a few units in the last place.
TEST(ExactToDouble, AgreesWithTheDoubleComputation) {
    const struct {
        Parts parts;
        double computed;
    } rows[] = {
        {{15, 1, 1, -1}, 15 / kPi},
        {{9, 1, 2, 1}, 9 * std::sqrt(2.0) * kPi},
        {{1, 3, 1, 1}, kPi / 3},
        {{3, 4, 3, -2}, 3 * std::sqrt(3.0) / (4 * kPi * kPi)},
        {{-kTen + 1, 7, 1'111'111'111, 9},
         -(kTen - 1) * std::sqrt(1'111'111'111.0) * std::pow(kPi, 9) / 7},
        {{1, kTen - 1, 1, -9}, 1.0 / (kTen - 1) / std::pow(kPi, 9)},
    };
    for (const auto& row : rows)
        EXPECT_LE(test::ulpsBetween(exact(row.parts).toDouble(), row.computed), 8U)
            << exact(row.parts).toDouble() << " " << row.computed;
}

} // namespace
