#include "typed_inputs.h"

#include "cone_edges.h"
#include "velmora/constants.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace velmora::bench {
namespace {

constexpr double kSmallestTyped = 0.001;
constexpr double kLargestTyped = 9999999;
constexpr std::size_t kMaxTypedLength = 7;
// "0.00137" and "1.23456" both fill seven characters with five decimals.
constexpr int kMaxDecimals = 5;

// Uniform numbers from the engine's raw bits: the standard distributions
// differ between libraries, and the sweep should not.
using Dice = std::mt19937_64;

double unit(Dice& dice) { // [0, 1)
    return static_cast<double>(dice() >> 11) * 0x1p-53;
}

// The text of at most seven characters and at most `significant` digits
// nearest to `value`; nothing when that text is not in 0.001 .. 9999999.
std::optional<std::string> typedText(double value, int significant = 7) {
    if (!(value > 0) || !std::isfinite(value))
        return std::nullopt;
    // Round to the significant digits first: 1234567 with three becomes 1230000.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, value);
    const double rounded = std::strtod(buffer, nullptr);
    const int leading = static_cast<int>(std::floor(std::log10(rounded)));
    int decimals = std::clamp(significant - 1 - leading, 0, kMaxDecimals);
    std::string text;
    for (;; --decimals) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
        text = buffer;
        if (decimals > 0) { // without trailing zeros, nor a point after them
            text.erase(text.find_last_not_of('0') + 1);
            text.erase(text.find_last_not_of('.') + 1);
        }
        if (text.size() <= kMaxTypedLength || decimals == 0)
            break;
    }
    const double typed = std::strtod(text.c_str(), nullptr);
    if (text.size() > kMaxTypedLength || typed < kSmallestTyped || typed > kLargestTyped)
        return std::nullopt;
    return text;
}

// A random typed value: any magnitude in the range, any number of digits.
std::string randomText(Dice& dice) {
    for (;;) {
        const double lo = std::log10(kSmallestTyped), hi = std::log10(kLargestTyped);
        const double value = std::pow(10.0, lo + unit(dice) * (hi - lo));
        if (auto text = typedText(value, 1 + static_cast<int>(dice() % 7)))
            return *text;
    }
}

// coefficient · pi^piPower · first^firstPower: a monomial of the edge without its second value.
double withoutSecond(const Monomial& m, double first) {
    return m.coefficient * std::pow(kPi, m.piPower) * std::pow(first, m.firstPower);
}

// The second value that puts `first` exactly on the edge: A = B solved for it.
double secondOnEdge(const ConeEdge& edge, double first) {
    return std::pow(withoutSecond(edge.smaller, first) / withoutSecond(edge.larger, first),
                    1.0 / (edge.larger.secondPower - edge.smaller.secondPower));
}

// A case whose second value lies a relative distance 10^-7 .. 1 from the
// edge, on either side, evenly in logarithm: the margins reach from far
// inside to far outside, through every stage of cancellation.
TypedCase nearEdgeCase(const ConeEdge& edge, Dice& dice) {
    for (;;) {
        const std::string first = randomText(dice);
        const double onEdge = secondOnEdge(edge, std::stod(first));
        const double offset = std::pow(10.0, -7 * unit(dice));
        const double second = onEdge * (dice() % 2 ? 1 + offset : 1 - offset);
        if (auto text = typedText(second))
            return {first, *text};
    }
}

// `count` texts spaced evenly in logarithm from 0.001 to 9999999, each with
// as many digits as fit ("0.00137", "12.3456"); repeated texts dropped.
std::vector<std::string> gridTexts(long long count) {
    std::vector<std::string> texts;
    const double lo = std::log10(kSmallestTyped), hi = std::log10(kLargestTyped);
    for (long long i = 0; i < count; ++i) {
        const double value = std::pow(10.0, lo + (hi - lo) * i / std::max(1LL, count - 1));
        const auto text = typedText(std::clamp(value, kSmallestTyped, kLargestTyped));
        if (text && (texts.empty() || texts.back() != *text))
            texts.push_back(*text);
    }
    return texts;
}

} // namespace

std::vector<TypedCase> sweepCases(int pair, const SweepSize& size) {
    const std::vector<std::string> grid = gridTexts(size.gridTexts);
    std::vector<TypedCase> cases;
    for (const std::string& first : grid)
        for (const std::string& second : grid)
            cases.push_back({first, second});

    Dice dice(static_cast<std::uint64_t>(size.seed + pair));
    for (long long i = 0; i < size.randomCases; ++i) {
        const std::string first = randomText(dice);
        cases.push_back({first, randomText(dice)});
    }
    if (const auto& edge = kConeEdges[static_cast<std::size_t>(pair)])
        for (long long i = 0; i < size.edgeCases; ++i)
            cases.push_back(nearEdgeCase(*edge, dice));
    return cases;
}

} // namespace velmora::bench
