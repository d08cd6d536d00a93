#include "velmora/value_text.h"

#include "leading_blanks.h"

#include "velmora/number_parts.h"

#include <string>

namespace velmora {
namespace {

// A number's digits as the exact arithmetic takes them, kept alive here.
class Digits {
public:
    explicit Digits(const NumberParts& n)
        : integer_(n.wholeDigits()), fraction_(n.of(n.decimals)), exponent_(n.exponentValue()) {}

    DecimalDigits digits() const { return {integer_, fraction_, exponent_}; }

private:
    std::string integer_;
    std::string_view fraction_;
    int exponent_;
};

constexpr DecimalDigits kOne{"1", "", 0};

std::optional<ExactValue> positive(const std::optional<ExactValue>& v) {
    return v && v->numerator() > 0 ? v : std::nullopt;
}

} // namespace

std::optional<ExactValue> readExactValue(std::string_view text, const NumberSettings& s) {
    const FormParts form = scanForm(text, detail::valueStart(text), s);
    if (!form.hasValue() || form.number.negative)
        return std::nullopt;
    const Digits number(form.number);
    if (!form.isForm())
        return positive(exactDecimal(number.digits()));
    if (form.negativeInside())
        return std::nullopt;
    // Each number's digits, kept alive while the form is worked out.
    std::optional<Digits> denominator, radicand;
    TypedForm typed;
    typed.numerator = form.number.hasDigits() ? number.digits() : kOne; // "π/3"
    if (form.denominator)
        typed.denominator = denominator.emplace(*form.denominator).digits();
    if (form.radicand)
        typed.radicand = radicand.emplace(*form.radicand).digits();
    typed.pi = form.pi.size > 0;
    return positive(exactValueOf(typed).value);
}

} // namespace velmora
