// The superscript digits that formulas and exact values write powers with.
#pragma once

#include <array>
#include <string_view>

namespace velmora {

inline constexpr std::array<std::string_view, 10> kSuperscriptDigits{"⁰", "¹", "²", "³", "⁴",
                                                                     "⁵", "⁶", "⁷", "⁸", "⁹"};

} // namespace velmora
