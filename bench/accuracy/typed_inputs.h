// The typed inputs of the sweep: decimal texts of at most seven characters
// from 0.001 to 9999999, as a user types them into a value field.
#pragma once

#include <string>
#include <vector>

namespace velmora::bench {

inline constexpr double kSmallestTyped = 0.001;
inline constexpr double kLargestTyped = 9999999;

// Texts this short stay in std::string's own buffer, allocating nothing.
struct TypedCase {
    std::string first;  // the pair's first quantity
    std::string second; // the pair's second quantity
};

struct SweepSize {
    long long gridTexts = 250;     // log-spaced texts; every two of them make a case
    long long randomCases = 40000; // per pair: both texts random
    long long edgeCases = 40000;   // per pair with an edge: the second text aimed near it
    long long seed = 20240611;
};

// `count` texts spaced evenly in logarithm from 0.001 to 9999999, each with
// as many digits as fit ("0.00137", "12.3456"); repeated texts dropped.
std::vector<std::string> gridTexts(long long count);

// Every case of pair `pair` (0..9): the grid squared, random texts, and
// texts near the pair's edge. The same size and seed give the same cases.
std::vector<TypedCase> sweepCases(int pair, const SweepSize& size);

} // namespace velmora::bench
