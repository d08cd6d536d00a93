// The superscript digits that formulas and exact values write powers with.
#pragma once

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::array<std::string_view, 10> kSuperscriptDigits{"⁰", "¹", "²", "³", "⁴",
                                                                     "⁵", "⁶", "⁷", "⁸", "⁹"};

// An exponent in superscript, with a superscript minus: "³⁰⁰", "⁻²⁹⁹".
inline std::string superscriptNumber(int n) {
    std::string text = n < 0 ? "⁻" : "";
    for (char digit : std::to_string(std::abs(static_cast<long long>(n))))
        text += kSuperscriptDigits[static_cast<std::size_t>(digit - '0')];
    return text;
}

} // namespace velmora
