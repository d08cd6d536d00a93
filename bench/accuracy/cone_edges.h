// Where the given values stop describing a cone. For six pairs a cone exists
// only when a term A is at least a term B, both monomials in the given values
// and pi: one table serves the exact reference (MPFR) and the sweep that aims
// typed values at the edge (double). The margin (A − B) / A is 1 far from the
// edge, 0 on it and negative where there is no cone; near 0 the formulas
// subtract nearly equal numbers and errors grow like 1 / margin.
#pragma once

#include <array>
#include <optional>

namespace velmora::bench {

// coefficient · pi^piPower · first^firstPower · second^secondPower
struct Monomial {
    int coefficient, piPower, firstPower, secondPower;
};

struct ConeEdge {
    Monomial larger;  // A
    Monomial smaller; // B
};

inline constexpr int kPairCount = 10;

// By pair number 0..9; nothing for the pairs that give a cone for all
// positive values (R H, R V, H S, H V).
inline constexpr std::array<std::optional<ConeEdge>, kPairCount> kConeEdges{{
    ConeEdge{{1, 0, 0, 2}, {1, 0, 2, 0}},    // R L: L^2 >= R^2
    std::nullopt,                            // R H
    ConeEdge{{1, 0, 0, 2}, {1, 2, 4, 0}},    // R S: S^2 >= pi^2 R^4
    std::nullopt,                            // R V
    ConeEdge{{1, 0, 2, 0}, {1, 0, 0, 2}},    // L H: L^2 >= H^2
    ConeEdge{{1, 2, 4, 0}, {1, 0, 0, 2}},    // L S: pi^2 L^4 >= S^2
    std::nullopt,                            // H S
    std::nullopt,                            // H V
    ConeEdge{{4, 0, 6, 0}, {2187, 2, 0, 4}}, // S V: 4 S^6 >= 2187 pi^2 V^4
    ConeEdge{{4, 2, 6, 0}, {243, 0, 0, 2}},  // L V: 4 pi^2 L^6 >= 243 V^2
}};

} // namespace velmora::bench
