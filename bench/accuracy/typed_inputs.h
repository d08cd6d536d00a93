// The typed inputs of the sweep: decimal texts of at most seven characters
// from 0.001 to 9999999, as a user types them into a value field.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora::bench {

inline constexpr std::size_t kMaxTypedLength = 7;
inline constexpr double kSmallestTyped = 0.001;
inline constexpr double kLargestTyped = 9999999;

// A typed text, kept without a heap allocation (a sweep holds a million).
class TypedText {
public:
    explicit TypedText(std::string_view text);
    const char* c_str() const { return chars_.data(); }
    std::string_view view() const { return chars_.data(); }

private:
    std::array<char, kMaxTypedLength + 1> chars_{};
};

struct TypedCase {
    TypedText first;  // the pair's first quantity
    TypedText second; // the pair's second quantity
};

struct SweepSize {
    int gridTexts = 250;     // log-spaced texts; every two of them make a case
    int randomCases = 40000; // per pair: both texts random
    int edgeCases = 40000;   // per pair with an edge: the second text aimed near it
    std::uint64_t seed = 20240611;
};

// The text of at most seven characters and at most `significant` digits
// nearest to `value`; nothing when that text is not in 0.001 .. 9999999.
std::optional<TypedText> typedText(double value, int significant = 7);

// `count` texts spaced evenly in logarithm from 0.001 to 9999999, each with
// as many digits as fit ("0.00137", "12.3456"); repeated texts dropped.
std::vector<TypedText> gridTexts(int count);

// Every case of pair `pair` (0..8): the grid squared, random texts, and
// texts near the pair's edge. The same size and seed give the same cases.
std::vector<TypedCase> sweepCases(int pair, const SweepSize& size);

} // namespace velmora::bench
