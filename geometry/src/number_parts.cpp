#include "velmora/number_parts.h"

#include "digit_groups.h"

#include <algorithm>
#include <span>

namespace velmora {
namespace {

// A cursor over the text that moves forward only over what it takes.
class Cursor {
public:
    Cursor(std::string_view text, std::size_t pos) : text_(text), pos_(pos) {}

    std::string_view text() const { return text_; }
    std::size_t position() const { return pos_; }
    void moveTo(std::size_t pos) { pos_ = pos; }
    bool atDigit() const { return pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9'; }

    bool take(std::string_view token) {
        if (token.empty() || text_.substr(pos_, token.size()) != token)
            return false;
        pos_ += token.size();
        return true;
    }
    TextRange digits() {
        const std::size_t start = pos_;
        while (atDigit())
            ++pos_;
        return {start, pos_ - start};
    }
    // What was taken since `start`.
    TextRange since(std::size_t start) const { return {start, pos_ - start}; }

private:
    std::string_view text_;
    std::size_t pos_;
};

// A group separator with a digit after it: the settings' own, or else the
// one typed for it.
bool takeGroupSeparator(Cursor& in, const NumberSettings& s) {
    const std::size_t before = in.position();
    if ((in.take(s.groupSeparator) || in.take(detail::typedGroupSeparator(s))) && in.atDigit())
        return true;
    in.moveTo(before);
    return false;
}

// Groups as the settings write them: a first group of one to a group's size
// digits, not beginning with 0, and every later group of its exact size. So
// "2,5", "1,2345" and "0,123" in a point locale are the number before the
// comma followed by text, while "1,234" is 1234.
bool readAsGrouped(const NumberParts& n, const NumberSettings& s) {
    const std::vector<TextRange>& groups = n.digitGroups;
    if (n.text[groups.front().start] == '0')
        return false;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const int index = static_cast<int>(groups.size() - 1 - i); // from the right
        const auto size = static_cast<std::size_t>(detail::groupSize(s, index));
        if (i == 0 ? groups[i].size > size : groups[i].size != size)
            return false;
    }
    return true;
}

// Each part in its turn, from where the one before it ended.

void takeSign(Cursor& in, NumberParts& n, const NumberSettings& s) {
    const std::size_t start = in.position();
    n.negative = in.take("-") || (s.negativePrefix != "-" && in.take(s.negativePrefix));
    if (!n.negative)
        in.take("+");
    n.sign = in.since(start);
}

void takeWholePart(Cursor& in, NumberParts& n, const NumberSettings& s, DigitGrouping grouping) {
    n.digitGroups.push_back(in.digits());
    while (n.digitGroups.back().size > 0 && s.groupsDigits()) {
        const std::size_t separator = in.position();
        if (!takeGroupSeparator(in, s))
            break;
        n.groupSeparators.push_back(in.since(separator));
        n.digitGroups.push_back(in.digits());
    }
    if (grouping == DigitGrouping::AsRead && !n.groupSeparators.empty() && !readAsGrouped(n, s)) {
        n.digitGroups.resize(1);
        n.groupSeparators.clear();
        in.moveTo(n.digitGroups.front().end());
    }
}

void takeDecimals(Cursor& in, NumberParts& n, const NumberSettings& s) {
    const std::size_t start = in.position();
    n.decimals = n.decimalSeparator = {start, 0};
    if (in.take(".") || in.take(s.decimalSeparator)) {
        n.decimalSeparator = in.since(start);
        n.decimals = in.digits();
    }
}

// Only after digits, and where a digit follows the E: "1e" is the number 1
// followed by text.
void takeExponent(Cursor& in, NumberParts& n) {
    const std::size_t start = in.position();
    n.exponent = n.exponentDigits = {start, 0};
    if (!n.hasDigits() || (!in.take("e") && !in.take("E")))
        return;
    const bool negative = in.take("-");
    if (!negative)
        in.take("+");
    const TextRange digits = in.digits();
    if (digits.size == 0) {
        in.moveTo(start);
        return;
    }
    n.exponent = in.since(start);
    n.exponentDigits = digits;
    n.negativeExponent = negative;
}

// The ways a form's marks are written.
constexpr std::string_view kPiMarks[] = {"\u03c0", "pi", "Pi", "PI"};
constexpr std::string_view kTimesSigns[] = {"\u00b7", "\u22c5", "*"};

// A mark of `marks` at the cursor, taken; otherwise nothing moves.
bool takeAny(Cursor& in, std::span<const std::string_view> marks) {
    return std::any_of(marks.begin(), marks.end(), [&](std::string_view m) { return in.take(m); });
}

// `mark` followed by a number with digits, taken with it; otherwise nothing
// moves. The number's sign is its own.
std::optional<NumberParts> takeMarkedNumber(Cursor& in, std::string_view mark,
                                            const NumberSettings& s, DigitGrouping grouping) {
    const std::size_t before = in.position();
    if (in.take(mark)) {
        NumberParts n = scanNumber(in.text(), in.position(), s, grouping);
        if (n.hasDigits()) {
            in.moveTo(n.end);
            return n;
        }
    }
    in.moveTo(before);
    return std::nullopt;
}

// A root or π, after an optional multiplication sign where a part stands
// before it.
template <typename Take> bool takeFactor(Cursor& in, bool afterPart, Take take) {
    const std::size_t before = in.position();
    if (afterPart)
        takeAny(in, kTimesSigns);
    if (take())
        return true;
    in.moveTo(before);
    return false;
}

} // namespace

std::string NumberParts::wholeDigits() const {
    std::string digits;
    for (const TextRange& group : digitGroups)
        digits += of(group);
    return digits;
}

int NumberParts::exponentValue() const {
    constexpr int limit = 100'000'000;
    int e = 0;
    for (char c : of(exponentDigits))
        e = std::min(limit, e * 10 + (c - '0'));
    return negativeExponent ? -e : e;
}

NumberParts scanNumber(std::string_view text, std::size_t from, const NumberSettings& settings,
                       DigitGrouping grouping) {
    NumberParts n;
    n.text = text;
    Cursor in(text, from);
    takeSign(in, n, settings);
    takeWholePart(in, n, settings, grouping);
    takeDecimals(in, n, settings);
    takeExponent(in, n);
    n.end = in.position();
    return n;
}

FormParts scanForm(std::string_view text, std::size_t from, const NumberSettings& settings,
                   DigitGrouping grouping) {
    FormParts f;
    f.number = scanNumber(text, from, settings, grouping);
    // Without digits only the sign begins the form: "-.π" is none.
    Cursor in(text, f.number.hasDigits() ? f.number.end : f.number.sign.end());
    bool afterPart = f.number.hasDigits();
    if (afterPart)
        f.denominator = takeMarkedNumber(in, "/", settings, grouping);
    afterPart |= takeFactor(in, afterPart, [&] {
        f.radicand = takeMarkedNumber(in, "\u221a", settings, grouping);
        return f.radicand.has_value();
    });
    takeFactor(in, afterPart, [&] {
        const std::size_t start = in.position();
        if (!takeAny(in, kPiMarks))
            return false;
        f.pi = in.since(start);
        return true;
    });
    if (!f.denominator && (f.radicand || f.pi.size > 0))
        f.denominator = takeMarkedNumber(in, "/", settings, grouping);
    f.end = f.isForm() ? in.position() : f.number.end;
    return f;
}

} // namespace velmora
