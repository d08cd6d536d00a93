// The grammar of the formulas that a worked solution writes, such as
// "√({L}² − {R}²)" or "π·{R}²·{H}/3". Reading is constexpr, so a table of
// formulas can be checked where it is compiled:
//   static_assert(velmora::formula::isFormula("π·{R}·({R} + {L})"));
#pragma once

#include "velmora/superscript_digits.h"

#include <concepts>
#include <cstddef>
#include <optional>
#include <string_view>

namespace velmora::formula {

// A formula is UTF-8 text:
//   sum     = product {("+" | "−") product}             "−" is U+2212
//   product = power {("·" | "/") power}                 "·" is U+00B7
//   power   = atom [superscript digits]                 {R}², π², (…)³
//   atom    = number ["°"] | "{" letter "}" | "π" | "(" sum ")"
//           | "√" ("(" sum ")" | "{" letter "}")
// with spaces allowed between any two of these. A number is ASCII digits; a
// "°" after it marks degrees and leaves it as it is ("360°·{R}/{L}"). A
// letter in braces (any ASCII letter) is a value put in. There is no unary
// minus and no product without "·": "2π" is not a formula.

// What a formula means is given by actions: numbers, letters and π are
// values, and the operations combine them.
template <typename A>
concept Actions = std::default_initializable<typename A::Value> &&
    requires(A& a, typename A::Value v, std::string_view digits, char name, int n) {
    { a.number(digits) } -> std::same_as<typename A::Value>;
    { a.letter(name) } -> std::same_as<typename A::Value>;
    { a.pi() } -> std::same_as<typename A::Value>;
    { a.add(v, v) } -> std::same_as<typename A::Value>;
    { a.subtract(v, v) } -> std::same_as<typename A::Value>;
    { a.multiply(v, v) } -> std::same_as<typename A::Value>;
    { a.divide(v, v) } -> std::same_as<typename A::Value>;
    { a.power(v, n) } -> std::same_as<typename A::Value>;
    { a.root(v) } -> std::same_as<typename A::Value>;
};

template <Actions A> struct Reading {
    bool wellFormed = false;
    typename A::Value value{}; // meaningful only when well formed
};

namespace detail {

template <Actions A> class Reader {
public:
    using Value = typename A::Value;

    constexpr Reader(std::string_view text, A& actions) : text_(text), actions_(actions) {}

    constexpr Reading<A> whole() {
        Value v = sum();
        skipSpaces();
        return {!failed_ && at_ == text_.size(), v};
    }

private:
    constexpr Value sum() {
        Value v = product();
        while (!failed_) {
            if (take("+"))
                v = actions_.add(v, product());
            else if (take("−"))
                v = actions_.subtract(v, product());
            else
                break;
        }
        return v;
    }

    constexpr Value product() {
        Value v = power();
        while (!failed_) {
            if (take("·"))
                v = actions_.multiply(v, power());
            else if (take("/"))
                v = actions_.divide(v, power());
            else
                break;
        }
        return v;
    }

    constexpr Value power() {
        Value v = atom();
        int exponent = 0;
        bool raised = false;
        for (int digit = superscriptDigit(); digit >= 0; digit = superscriptDigit()) {
            exponent = exponent * 10 + digit;
            raised = true;
        }
        return raised && !failed_ ? actions_.power(v, exponent) : v;
    }

    constexpr Value atom() {
        if (take("√"))
            return actions_.root(peek("{") ? letter() : parenthesized());
        if (peek("{"))
            return letter();
        if (peek("("))
            return parenthesized();
        if (take("π"))
            return actions_.pi();
        skipSpaces();
        const std::size_t from = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
            ++at_;
        if (at_ == from)
            return fail();
        const std::string_view digits = text_.substr(from, at_ - from);
        take("°");
        return actions_.number(digits);
    }

    constexpr Value parenthesized() {
        if (!take("("))
            return fail();
        Value v = sum();
        return take(")") ? v : fail();
    }

    constexpr Value letter() {
        skipSpaces();
        if (at_ + 2 < text_.size() && text_[at_] == '{' && isLetter(text_[at_ + 1]) &&
            text_[at_ + 2] == '}') {
            at_ += 3;
            return actions_.letter(text_[at_ - 2]);
        }
        return fail();
    }

    static constexpr bool isLetter(char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    }

    // The digit of the superscript at the reading point, taken; -1 if none.
    constexpr int superscriptDigit() {
        for (std::size_t d = 0; d < kSuperscriptDigits.size(); ++d)
            if (text_.substr(at_).starts_with(kSuperscriptDigits[d])) {
                at_ += kSuperscriptDigits[d].size();
                return static_cast<int>(d);
            }
        return -1;
    }

    constexpr void skipSpaces() {
        while (at_ < text_.size() && text_[at_] == ' ')
            ++at_;
    }

    constexpr bool peek(std::string_view token) {
        skipSpaces();
        return text_.substr(at_).starts_with(token);
    }

    constexpr bool take(std::string_view token) {
        if (!peek(token))
            return false;
        at_ += token.size();
        return true;
    }

    constexpr Value fail() {
        failed_ = true;
        at_ = text_.size(); // nothing further is read
        return Value{};
    }

    std::string_view text_;
    A& actions_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

// Actions that only follow the grammar.
struct GrammarOnly {
    struct Value {};
    constexpr Value number(std::string_view) { return {}; }
    constexpr Value letter(char) { return {}; }
    constexpr Value pi() { return {}; }
    constexpr Value add(Value, Value) { return {}; }
    constexpr Value subtract(Value, Value) { return {}; }
    constexpr Value multiply(Value, Value) { return {}; }
    constexpr Value divide(Value, Value) { return {}; }
    constexpr Value power(Value, int) { return {}; }
    constexpr Value root(Value) { return {}; }
};

} // namespace detail

// Reads the whole of `formula` with `actions`.
template <Actions A> constexpr Reading<A> read(std::string_view formula, A& actions) {
    return detail::Reader<A>(formula, actions).whole();
}

// Whether `formula` is a formula of the grammar above.
constexpr bool isFormula(std::string_view formula) {
    detail::GrammarOnly grammar;
    return read(formula, grammar).wellFormed;
}

// What is under the root of a formula that is a root as a whole:
// "√({L}² − {R}²)" gives "{L}² − {R}²", "√{S}" gives "{S}"; nothing for any
// other formula ("√{L}·2", "√(2)·√(3)", "√(2)²").
constexpr std::optional<std::string_view> rootOperand(std::string_view formula) {
    const auto first = formula.find_first_not_of(' ');
    const auto last = formula.find_last_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    formula = formula.substr(first, last + 1 - first);
    constexpr std::string_view kRoot = "√";
    if (!formula.starts_with(kRoot))
        return std::nullopt;
    const std::string_view rest = formula.substr(kRoot.size());
    if (rest.size() == 3 && rest.front() == '{' && rest.back() == '}')
        return rest;
    if (!rest.starts_with('('))
        return std::nullopt;
    // The parenthesis that closes the first must be the last character.
    int depth = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        depth += rest[i] == '(' ? 1 : rest[i] == ')' ? -1 : 0;
        if (depth == 0)
            return i + 1 == rest.size() ? std::optional(rest.substr(1, i - 1)) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace velmora::formula
