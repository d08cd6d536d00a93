#include "velmora/value_edit.h"

#include <algorithm>

namespace velmora {
namespace {

// Where the number or form begins, with its sign. Every ASCII blank and
// every character beyond ASCII before it is passed over, which are all the
// blanks parseValue may pass over and more.
std::size_t numberStart(std::string_view text, const NumberSettings& s) {
    std::size_t pos = 0;
    while (pos < text.size() && scanForm(text, pos, s).end == pos) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80 &&
            std::string_view(" \t\n\v\f\r").find(text[pos]) == std::string_view::npos)
            break;
        ++pos; // the character's first byte, then its continuation bytes
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
            ++pos;
    }
    return pos;
}

FormParts formAtStart(std::string_view text, const NumberSettings& s, DigitGrouping grouping) {
    return scanForm(text, numberStart(text, s), s, grouping);
}

// Whether `kept` is `whole` with the same sign, whole part and exponent, and
// the same or fewer of its decimals.
bool keepsDigits(const NumberParts& whole, const NumberParts& kept) {
    return whole.negative == kept.negative && whole.wholeDigits() == kept.wholeDigits() &&
           whole.of(whole.exponent) == kept.of(kept.exponent) &&
           whole.of(whole.decimals).starts_with(kept.of(kept.decimals));
}

bool keepsDigits(const std::optional<NumberParts>& whole, const std::optional<NumberParts>& kept) {
    return whole.has_value() == kept.has_value() && (!whole || keepsDigits(*whole, *kept));
}

} // namespace

std::vector<TextRange> digitGroupSeparators(std::string_view text, const NumberSettings& settings) {
    const FormParts form = formAtStart(text, settings, DigitGrouping::AsTyped);
    std::vector<TextRange> separators = form.number.groupSeparators;
    for (const std::optional<NumberParts>& part : {form.denominator, form.radicand})
        if (part)
            separators.insert(separators.end(), part->groupSeparators.begin(),
                              part->groupSeparators.end());
    std::sort(separators.begin(), separators.end(),
              [](TextRange a, TextRange b) { return a.start < b.start; });
    return separators;
}

bool keepsNumber(std::string_view text, std::string_view shortened,
                 const NumberSettings& settings) {
    const FormParts whole = formAtStart(text, settings, DigitGrouping::AsRead);
    const FormParts kept = formAtStart(shortened, settings, DigitGrouping::AsRead);
    if (!whole.hasValue() || !kept.hasValue())
        return !whole.hasValue() && !kept.hasValue();
    return keepsDigits(whole.number, kept.number) &&
           keepsDigits(whole.denominator, kept.denominator) &&
           keepsDigits(whole.radicand, kept.radicand) && (whole.pi.size > 0) == (kept.pi.size > 0);
}

} // namespace velmora
