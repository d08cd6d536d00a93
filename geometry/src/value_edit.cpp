#include "velmora/value_edit.h"

namespace velmora {
namespace {

// Where the number begins, with its sign. Every ASCII blank and every
// character beyond ASCII before it is passed over, which are all the blanks
// parseValue may pass over and more.
std::size_t numberStart(std::string_view text, const NumberSettings& s) {
    std::size_t pos = 0;
    while (pos < text.size() && scanNumber(text, pos, s).end == pos) {
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

} // namespace

std::vector<TextRange> digitGroupSeparators(std::string_view text, const NumberSettings& settings) {
    return scanNumber(text, numberStart(text, settings), settings, DigitGrouping::AsTyped)
        .groupSeparators;
}

bool keepsNumber(std::string_view text, std::string_view shortened,
                 const NumberSettings& settings) {
    const NumberParts whole = scanNumber(text, numberStart(text, settings), settings);
    const NumberParts kept = scanNumber(shortened, numberStart(shortened, settings), settings);
    if (!whole.hasDigits() || !kept.hasDigits())
        return !whole.hasDigits() && !kept.hasDigits();
    return whole.negative == kept.negative && whole.wholeDigits() == kept.wholeDigits() &&
           whole.of(whole.exponent) == kept.of(kept.exponent) &&
           whole.of(whole.decimals).starts_with(kept.of(kept.decimals));
}

} // namespace velmora
