// Reading a value field's text as a number and writing a number for display.
#pragma once

#include "velmora/number_settings.h"

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
ValueReading readValue(std::string_view text, const NumberSettings& settings = {});

// The value that readValue reads: 0 where there is no number or it is too
// small for a double, an infinity beyond the double range.
double parseValue(std::string_view text, const NumberSettings& settings = {});

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
