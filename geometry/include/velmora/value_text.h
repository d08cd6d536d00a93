// Reading a value field's text as a number and writing a number for display.
#pragma once

#include "velmora/exact_value.h"
#include "velmora/number_settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// What reading a value field's text found.
enum class ReadOutcome {
    Number,    // a number within the double range, 0 included
    NoNumber,  // the text does not begin with a number: the value is 0
    Overflow,  // a number beyond the double range: an infinity of its sign
    Underflow, // a number other than 0 too small for a double: a zero of its sign
};

struct ValueReading {
    double value = 0;
    ReadOutcome outcome = ReadOutcome::NoNumber;
};

// The number at the start of `text` (UTF-8), and what it was. Leading
// blanks are skipped: spaces of every kind (a no-break space among them),
// tabs and line breaks, as a paste brings them. A sign, digits, a decimal
// point and an exponent (when a digit follows the E) are read, and reading
// stops at the first character that cannot continue the number, a blank
// included. A point always separates decimals; the settings' own decimal
// separator does too, and their group separator (or the plain space or
// apostrophe typed for it) is skipped between digit groups of the settings'
// sizes, with or without decimals: "1 234" is 1234, and whatever formatValue
// writes reads back.
//
// A value may also be written as a textbook writes it (see FormParts): "60π",
// "60pi", "60·π", "2,5π", "√2", "3√2", "3/4", "2/3π", "π/3". Its double is
// worked out from its numbers, each read as above, in this order:
// numerator / denominator, times std::sqrt(radicand), times kPi
// (velmora/constants.h). A form whose value is not a positive number (a zero
// part, "1/0", "0π", or a minus before a denominator or radicand, "√-2")
// reads as the number 0, whatever its sign. A form with a number beyond the
// double range, or whose value leaves it at one of those steps, is beyond it
// as a number is: too large where a number makes the value larger (a
// numerator or radicand too large, a denominator too small; "1e400/1e400"
// too), too small otherwise. The leading sign applies to the whole: "-π" is
// negative. A plain number reads as above, and a form's marks without the
// digits they need are text after it: "5 π" and "5√x" are 5.
ValueReading readValue(std::string_view text, const NumberSettings& settings = {});

// The value that readValue reads: 0 where there is no number or it is too
// small for a double, an infinity beyond the double range.
double parseValue(std::string_view text, const NumberSettings& settings = {});

// The exact value of the positive number or form that readValue reads at the
// start of `text`: "0,1" is exactly 1/10, "3,0000000" is 3, "1 234,5" is
// 2469/2 in Bulgarian, "60π" is 60π, "3√8" is 6√2. Nothing where readValue
// reads no number, nor a positive one, or where the value has no exact form
// (a part of more than ten digits in lowest terms, an exponent that takes
// it out of those limits). Its toDouble() is parseValue's double for a plain
// number, and within a few units in the last place of it for a form.
std::optional<ExactValue> readExactValue(std::string_view text,
                                         const NumberSettings& settings = {});

// `value` in fixed point with exactly seven decimals, with the settings'
// separators, grouping and negative form, and with no more digits than a
// double holds: the exact binary value correctly rounded to seven decimals,
// or to 15 significant digits where that leaves fewer (from 10^8 on), the
// places after them written as zeros. So 1e100 shows as 1 and 100 zeros,
// 301592894.7446198 as 301592894.7446200. Never uses exponent form.
// Not-a-number and infinities are written as "NaN", "∞" and "-∞", which read
// back as 0.
std::string formatValue(double value, const NumberSettings& settings = {});

inline constexpr int kDisplayedDecimals = 7;
inline constexpr int kSignificantDigits = 15; // the most that every double holds

} // namespace velmora
