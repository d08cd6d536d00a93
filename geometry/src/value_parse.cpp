#include "velmora/value_text.h"

#include "digit_groups.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmora {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Blanks in UTF-8: every character that Unicode counts as white space (the
// spaces, tabs and line breaks, CR and LF among them), and the zero-width
// space and byte order mark that a paste from a web page or a file brings.
constexpr std::string_view kBlanks[] = {
    "\t",     "\n",     "\v",     "\f",     "\r",     " ",      "\u0085", "\u00a0", "\u1680",
    "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
    "\u2009", "\u200a", "\u200b", "\u2028", "\u2029", "\u202f", "\u205f", "\u3000", "\ufeff",
};

// A cursor over the text that the reader moves forward only on success.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::size_t position() const { return pos_; }
    void moveTo(std::size_t pos) { pos_ = pos; }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    bool take(std::string_view token) {
        if (token.empty() || text_.substr(pos_, token.size()) != token)
            return false;
        pos_ += token.size();
        return true;
    }
    bool takeAnyOf(std::span<const std::string_view> tokens) {
        return std::ranges::any_of(tokens, [this](std::string_view t) { return take(t); });
    }
    bool takeAny(std::string_view characters) {
        if (atEnd() || characters.find(peek()) == std::string_view::npos)
            return false;
        ++pos_;
        return true;
    }
    std::string_view digits() {
        const std::size_t start = pos_;
        while (!atEnd() && isDigit(peek()))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Reads digits written in the settings' grouped form ("1 234 567", or the
// plain space or apostrophe a user types for the separator) and returns them
// without separators. A separator belongs to the number only where a digit
// follows it. Leaves the reader where it was and returns nothing unless the
// groups are well formed: a first group of one to a group's size digits, not
// beginning with 0, and every later group of its exact size. So "2,5",
// "1,2345" and "0,123" in a point locale are the number before the comma
// followed by text, while "1,234" is 1234 with or without decimals.
std::optional<std::string> takeGroupedInteger(Reader& in, const NumberSettings& s) {
    if (!detail::groupsDigits(s))
        return std::nullopt;
    const std::size_t start = in.position();
    const std::string_view typed = detail::typedGroupSeparator(s);
    auto takeSeparator = [&] {
        const std::size_t before = in.position();
        if ((in.take(s.groupSeparator) || in.take(typed)) && isDigit(in.peek()))
            return true;
        in.moveTo(before);
        return false;
    };
    std::vector<std::string_view> groups{in.digits()};
    while (takeSeparator())
        groups.push_back(in.digits());

    bool wellFormed = groups.size() >= 2 && !groups.front().empty() && groups.front()[0] != '0';
    for (std::size_t i = 0; wellFormed && i < groups.size(); ++i) {
        const int index = static_cast<int>(groups.size() - 1 - i); // from the right
        const auto size = static_cast<std::size_t>(detail::groupSize(s, index));
        wellFormed = i == 0 ? groups[i].size() <= size : groups[i].size() == size;
    }
    if (!wellFormed) {
        in.moveTo(start);
        return std::nullopt;
    }
    std::string joined;
    for (auto g : groups)
        joined += g;
    return joined;
}

// The exponent's value, saturated far beyond any double's range so that
// "1e99999999999999999999" stays an overflow rather than wrapping.
long long saturatedExponent(std::string_view digits, bool negative) {
    constexpr long long limit = 100'000'000;
    long long e = 0;
    for (char c : digits)
        e = std::min(limit, e * 10 + (c - '0'));
    return negative ? -e : e;
}

} // namespace

ValueReading readValue(std::string_view text, const NumberSettings& s) {
    Reader in(text);
    while (in.takeAnyOf(kBlanks))
        ;

    bool negative = false;
    if (in.take("-"))
        negative = true;
    else if (s.negativePrefix != "-" && in.take(s.negativePrefix))
        negative = true;
    else
        in.take("+");

    std::string integer;
    if (auto grouped = takeGroupedInteger(in, s))
        integer = *grouped;
    else
        integer = in.digits();

    std::string_view fraction;
    if (in.take(".") || in.take(s.decimalSeparator))
        fraction = in.digits();
    if (integer.empty() && fraction.empty())
        return {0.0, ReadOutcome::NoNumber};

    long long exponent = 0;
    const std::size_t beforeExponent = in.position();
    if (in.takeAny("eE")) {
        const bool negativeExponent = in.take("-");
        if (!negativeExponent)
            in.take("+");
        const std::string_view exponentDigits = in.digits();
        if (exponentDigits.empty())
            in.moveTo(beforeExponent); // "1e" is the number 1 followed by text
        else
            exponent = saturatedExponent(exponentDigits, negativeExponent);
    }

    // from_chars reads the plain C form whatever the process locale says.
    std::string plain = integer.empty() ? "0" : integer;
    plain += '.';
    plain += fraction;
    plain += 'e';
    plain += std::to_string(exponent);
    double value = 0.0;
    ReadOutcome outcome = ReadOutcome::Number;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: which one follows from the
        // place of the first significant digit.
        const std::string digits = integer + std::string(fraction);
        const auto first = digits.find_first_not_of('0');
        const long long magnitude =
            exponent + static_cast<long long>(integer.size()) - static_cast<long long>(first);
        outcome = magnitude > 0 ? ReadOutcome::Overflow : ReadOutcome::Underflow;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{}) {
        return {0.0, ReadOutcome::NoNumber}; // not reached: the plain form is well formed
    }
    return {negative ? -value : value, outcome};
}

double parseValue(std::string_view text, const NumberSettings& s) {
    return readValue(text, s).value;
}

} // namespace velmora
