// Exact values of the form q·√n·πᵏ: what a cone's quantities are where
// the given values are textbook numbers ("60π", "3√2", "0,1") and every step
// on the way stays a rational number times a square root times a power of π.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

namespace detail {
struct ExactAccess;
} // namespace detail

// q·√n·πᵏ with q = numerator/denominator in lowest terms (the sign on the
// numerator, the denominator ≥ 1), the radicand n ≥ 1 square-free and k a
// whole number. Zero is 0·√1·π⁰. Each value has one set of parts, so ==
// compares values.
//
// Every part stays small: numerator, denominator and radicand below
// kPartLimit (at most ten digits) and |k| ≤ kPiPowerLimit. A result beyond
// that has no exact form here, and the operations below return nothing for
// it, as for a result that is not of the form at all (a sum of unlike terms,
// a fourth root). Nothing is ever rounded.
class ExactValue {
public:
    static constexpr std::int64_t kPartLimit = 10'000'000'000;
    static constexpr int kPiPowerLimit = 9;

    constexpr ExactValue() = default; // 0

    // numerator/denominator·√radicand·π^piPower, reduced: 6/4·√12 is 3√3.
    // Nothing for a zero denominator, a negative radicand, or parts beyond
    // the limits once reduced; a radicand of kPartLimit or more gives
    // nothing even where squares would come out of it.
    static std::optional<ExactValue> make(std::int64_t numerator, std::int64_t denominator = 1,
                                          std::int64_t radicand = 1, int piPower = 0);

    std::int64_t numerator() const { return numerator_; }
    std::int64_t denominator() const { return denominator_; }
    std::int64_t radicand() const { return radicand_; }
    int piPower() const { return piPower_; }
    bool isZero() const { return numerator_ == 0; }

    // The value with the program's π (kPi): numerator/denominator, times
    // √radicand, times or divided by kPi once per power. Within a few units
    // in the last place of the same quantity computed in doubles.
    double toDouble() const;

    bool operator==(const ExactValue&) const = default;

private:
    friend struct detail::ExactAccess;

    std::int64_t numerator_ = 0;
    std::int64_t denominator_ = 1;
    std::int64_t radicand_ = 1;
    int piPower_ = 0;
};

// The checked arithmetic. Each returns nothing where the result has no exact
// form (see ExactValue).
std::optional<ExactValue> multiply(const ExactValue& a, const ExactValue& b);
std::optional<ExactValue> divide(const ExactValue& a, const ExactValue& b); // nothing for b = 0
// Sums of like terms only (same radicand, same power of π; 0 is like every
// term): 2π + π is 3π, but 1 + √2 and 1 + π have no form.
std::optional<ExactValue> add(const ExactValue& a, const ExactValue& b);
std::optional<ExactValue> subtract(const ExactValue& a, const ExactValue& b);
ExactValue negated(const ExactValue& a);
// aⁿ for any whole n; a negative n is 1/a⁻ⁿ, and 0 has no negative power.
std::optional<ExactValue> power(const ExactValue& a, int exponent);
// √a for a = q·π²ᵐ with q ≥ 0 and no root: √(9π²/8) is 3√2·π/4. Nothing for
// a negative value, an odd power of π or a value with a root already (that
// would be a fourth root).
std::optional<ExactValue> squareRoot(const ExactValue& a);

// A decimal number as its digits are written: the integer digits, the
// fraction digits and a power of ten. {"2", "5", 0} is 2.5, {"1", "", 3} is
// 1000, {"0", "1", 0} is exactly one tenth, {"3", "0000000", 0} is 3. ASCII
// digits only, no sign; either run may be empty, not both.
struct DecimalDigits {
    std::string_view integer;
    std::string_view fraction;
    int exponent = 0;
};

// The exact value of `digits`, 0 included; nothing where they are not digits
// or the value is beyond the limits in lowest terms (0,0000000001 is
// 1/10000000000: nothing; 12345678905·10⁻¹ is 2469135781/2: a value).
std::optional<ExactValue> exactDecimal(const DecimalDigits& digits);

// A value as the textbook gives it: a number or a fraction of two numbers,
// then optionally a square root, then optionally π, at least one part:
//   "60π"  {numerator 60, pi}            "√2"   {radicand 2}
//   "2,5π" {numerator 2,5, pi}           "3√2"  {numerator 3, radicand 2}
//   "3/4"  {numerator 3, denominator 4}  "2/3π" {numerator 2, denominator 3, pi}
//   "π"    {pi}
// The reader of the text finds the parts; the digits carry no sign, so a
// form with a minus is the reader's to refuse.
struct TypedForm {
    std::optional<DecimalDigits> numerator; // absent: 1
    std::optional<DecimalDigits> denominator;
    std::optional<DecimalDigits> radicand;
    bool pi = false;
};

enum class TypedOutcome {
    Exact,       // `value` holds (numerator/denominator)·√radicand·π
    NoExactForm, // a positive number, but not within the limits: "12345678901π";
                 // whether its double is in range is the reader's to tell
    Refused,     // not a positive number, whatever its size: a zero part ("0π",
                 // "√0", "1/0"), no part at all, a denominator without a
                 // numerator, or a character that is not a digit
};

struct TypedExact {
    TypedOutcome outcome = TypedOutcome::Refused;
    std::optional<ExactValue> value; // only with Exact
};

TypedExact exactValueOf(const TypedForm& form);

} // namespace velmora
