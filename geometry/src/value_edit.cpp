#include "velmora/value_edit.h"

#include "digit_groups.h"

#include <optional>
#include <string>

namespace velmora {
namespace {

bool isDigitAt(std::string_view text, std::size_t pos) {
    return pos < text.size() && text[pos] >= '0' && text[pos] <= '9';
}

bool startsWithAt(std::string_view text, std::size_t pos, std::string_view token) {
    return !token.empty() && pos <= text.size() && text.substr(pos, token.size()) == token;
}

std::size_t digitsEnd(std::string_view text, std::size_t pos) {
    while (isDigitAt(text, pos))
        ++pos;
    return pos;
}

// Where the number begins, after its sign, and whether that sign is a
// minus. Before the sign, every ASCII blank and every character beyond
// ASCII is passed over, which are all the blanks parseValue may pass over
// and more.
struct Lead {
    std::size_t pos = 0;
    bool negative = false;
};

Lead leadOf(std::string_view text, const NumberSettings& s) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (startsWithAt(text, pos, "-"))
            return {pos + 1, true};
        if (startsWithAt(text, pos, s.negativePrefix))
            return {pos + s.negativePrefix.size(), true};
        if (startsWithAt(text, pos, "+"))
            return {pos + 1, false};
        if (isDigitAt(text, pos) || startsWithAt(text, pos, ".") ||
            startsWithAt(text, pos, s.decimalSeparator))
            break;
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80 &&
            std::string_view(" \t\n\v\f\r").find(text[pos]) == std::string_view::npos)
            break;
        ++pos; // the character's first byte, then its continuation bytes
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
            ++pos;
    }
    return {pos, false};
}

// The size of the group separator at `pos`, the settings' own or the one
// typed for it; 0 where there is none.
std::size_t separatorAt(std::string_view text, std::size_t pos, const NumberSettings& s) {
    if (!detail::groupsDigits(s))
        return 0;
    for (std::string_view separator :
         {std::string_view(s.groupSeparator), detail::typedGroupSeparator(s)})
        if (startsWithAt(text, pos, separator))
            return separator.size();
    return 0;
}

// The digits from `pos` on and the group separators between them.
struct DigitRun {
    std::vector<TextRange> groups; // the first may be empty
    std::vector<TextRange> separators;
    std::size_t end = 0;
};

DigitRun digitRunAt(std::string_view text, std::size_t pos, const NumberSettings& s) {
    DigitRun run;
    run.end = digitsEnd(text, pos);
    run.groups.push_back({pos, run.end - pos});
    while (run.groups.back().size > 0) {
        const std::size_t separator = separatorAt(text, run.end, s);
        const std::size_t next = run.end + separator;
        if (separator == 0 || !isDigitAt(text, next))
            break;
        run.separators.push_back({run.end, separator});
        run.end = digitsEnd(text, next);
        run.groups.push_back({next, run.end - next});
    }
    return run;
}

// As parseValue reads grouped digits: a first group of one to a group's
// size digits, not beginning with 0, and every later group of its size.
bool wellFormed(std::string_view text, const DigitRun& run, const NumberSettings& s) {
    const auto& groups = run.groups;
    if (groups.size() < 2 || text[groups.front().start] == '0')
        return false;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const int index = static_cast<int>(groups.size() - 1 - i); // from the right
        const auto size = static_cast<std::size_t>(detail::groupSize(s, index));
        if (i == 0 ? groups[i].size > size : groups[i].size != size)
            return false;
    }
    return true;
}

// The number at the start of a text, in the parts an edit must keep.
struct WrittenNumber {
    bool negative = false;
    std::string whole; // without group separators
    std::string_view decimals;
    std::string_view exponent; // as written ("e-5"), or empty
};

std::optional<WrittenNumber> writtenNumber(std::string_view text, const NumberSettings& s) {
    const Lead lead = leadOf(text, s);
    WrittenNumber number;
    number.negative = lead.negative;

    const DigitRun run = digitRunAt(text, lead.pos, s);
    std::size_t pos = run.groups.front().start + run.groups.front().size;
    if (wellFormed(text, run, s)) {
        for (const TextRange& group : run.groups)
            number.whole += text.substr(group.start, group.size);
        pos = run.end;
    } else {
        number.whole = text.substr(lead.pos, pos - lead.pos);
    }

    bool separator = false;
    for (std::string_view decimal : {std::string_view("."), std::string_view(s.decimalSeparator)})
        if (!separator && startsWithAt(text, pos, decimal)) {
            pos += decimal.size();
            separator = true;
        }
    if (separator) {
        const std::size_t end = digitsEnd(text, pos);
        number.decimals = text.substr(pos, end - pos);
        pos = end;
    }
    if (number.whole.empty() && number.decimals.empty())
        return std::nullopt;

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t digits = pos + 1;
        if (startsWithAt(text, digits, "-") || startsWithAt(text, digits, "+"))
            ++digits;
        const std::size_t end = digitsEnd(text, digits);
        if (end > digits)
            number.exponent = text.substr(pos, end - pos);
    }
    return number;
}

} // namespace

std::vector<TextRange> digitGroupSeparators(std::string_view text, const NumberSettings& settings) {
    return digitRunAt(text, leadOf(text, settings).pos, settings).separators;
}

bool keepsNumber(std::string_view text, std::string_view shortened,
                 const NumberSettings& settings) {
    const std::optional<WrittenNumber> whole = writtenNumber(text, settings);
    const std::optional<WrittenNumber> kept = writtenNumber(shortened, settings);
    if (!whole || !kept)
        return !whole && !kept;
    return whole->negative == kept->negative && whole->whole == kept->whole &&
           whole->exponent == kept->exponent && whole->decimals.starts_with(kept->decimals);
}

} // namespace velmora
