// The one reading of the number format: where the sign, the digits of the
// whole part with their group separators, the decimal separator, the
// decimals and the exponent of a written number lie in a text. Reading a
// value, judging what an edit may drop and finding where a shown number may
// wrap all take a number's parts from here.
#pragma once

#include "velmora/number_settings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A part of a text, in bytes.
struct TextRange {
    std::size_t start = 0;
    std::size_t size = 0;

    std::size_t end() const { return start + size; }
    bool operator==(const TextRange&) const = default;
};

// Which digit groups the whole part takes.
enum class DigitGrouping {
    AsRead,  // groups of the settings' sizes, the first not beginning with 0;
             // otherwise the whole part ends at the first group separator
    AsTyped, // groups of any size, as a number being typed has them ("1 500 0")
};

// The parts of a number found in `text`; a part that is not there is empty
// and lies where it would begin.
struct NumberParts {
    std::string_view text;
    TextRange sign; // "-", the settings' negative prefix or "+"
    bool negative = false;
    // The digits of the whole part: one run, or the groups between group
    // separators (the settings' own, or the plain space or apostrophe typed
    // for it), each separator with a digit on either side.
    std::vector<TextRange> digitGroups;
    std::vector<TextRange> groupSeparators;
    TextRange decimalSeparator; // a point, or the settings' own
    TextRange decimals;
    TextRange exponent;       // as written, "e-5"; only where a digit follows the E
    TextRange exponentDigits; // "5"
    bool negativeExponent = false;
    std::size_t end = 0; // after the last part found, a lone sign or separator included

    // Whether there is a number: a digit before or after the decimal separator.
    bool hasDigits() const { return digitGroups.front().size > 0 || decimals.size > 0; }
    std::string_view of(TextRange part) const { return text.substr(part.start, part.size); }
    // The whole part's digits without their group separators.
    std::string wholeDigits() const;
    // The exponent's value, 0 where there is none, saturated at ±10⁸, far
    // beyond any double's range, so that "1e99999999999999999999" stays too
    // large rather than wrapping.
    int exponentValue() const;
};

// The number written at `from` in `text` (UTF-8) under `settings`, its sign
// first: a sign, the whole part's digits, a decimal separator and decimals,
// and an exponent where a number has digits. Passes over nothing before the
// sign; reading stops at the first character that cannot continue the number.
// `from` is at most the size of `text`.
NumberParts scanNumber(std::string_view text, std::size_t from, const NumberSettings& settings,
                       DigitGrouping grouping = DigitGrouping::AsRead);

// A value written as a textbook writes it: a number or a fraction of two
// numbers, then a square root, then π, each part optional but one, with no
// blank inside:
//   [number ["/" number]] [["·"] "√" number] [["·"] π]
// where π is written "π", "pi", "Pi" or "PI", and "·" stands for a
// multiplication sign ("·", "⋅" or "*"), allowed only after a part. Where
// there is a root or π but no fraction, the denominator may close the form
// instead, as exact results are written: "π/3", "2π/3", "3√2/4". So "3√2π"
// is 3·√2·π (a root takes a number only), "2/3π" is (2/3)·π. Every number is
// one that scanNumber finds (its digits, decimals and exponent); the first
// carries the sign of the whole, and a sign before a denominator or a
// radicand is taken too ("√-2"), so that the form is read, and refused.
struct FormParts {
    // The number that begins the value, its sign included; it has no digits
    // where the form begins with a root or π ("√2", "-π").
    NumberParts number;
    std::optional<NumberParts> denominator; // after "/"
    std::optional<NumberParts> radicand;    // after "√"
    TextRange pi;                           // empty where there is none
    std::size_t end = 0; // after the form, or, where there is none, as number.end

    // Whether a fraction, a root or π follows: otherwise this is the number alone.
    bool isForm() const { return denominator || radicand || pi.size > 0; }
    // Whether there is a value at all: a number with digits, or a form.
    bool hasValue() const { return number.hasDigits() || isForm(); }
    // Whether a denominator or a radicand has a minus: no positive value.
    bool negativeInside() const {
        return (denominator && denominator->negative) || (radicand && radicand->negative);
    }
};

// The number or form written at `from` in `text`, read as scanNumber reads
// its numbers; a form ends at the first character that cannot continue it,
// and a fraction, root or π without the digits it needs is no part of it
// ("3√x" is the number 3 followed by text).
FormParts scanForm(std::string_view text, std::size_t from, const NumberSettings& settings,
                   DigitGrouping grouping = DigitGrouping::AsRead);

} // namespace velmora
