// The typed inputs of the sweep: decimal texts of at most seven characters
// from 0.001 to 9999999, as a user types them into a value field.
#pragma once

#include <string>
#include <vector>

namespace velmora::bench {

// Texts this short stay in std::string's own buffer, allocating nothing.
struct TypedCase {
    std::string first;  // the pair's first quantity
    std::string second; // the pair's second quantity
};

struct SweepSize {
    long long gridTexts = 250;     // texts spaced evenly in logarithm; every two make a case
    long long randomCases = 40000; // per pair: both texts random
    long long edgeCases = 40000;   // per pair with an edge: the second text aimed near it
    long long seed = 20240611;
};

// Every case of pair `pair` (0..9): the grid squared, random texts, and
// texts near the pair's edge. The same size and seed give the same cases.
std::vector<TypedCase> sweepCases(int pair, const SweepSize& size);

} // namespace velmora::bench
