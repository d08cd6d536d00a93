// Fuzz target: the cone solver for every pair and every value a field can
// hold. The first byte picks the pair (its low seven bits, modulo 10) and,
// with its high bit, how the next sixteen give the two values.
#include "fuzz_target.h"
#include "velmora/cone_solver.h"
#include "velmora/constants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

using namespace velmora;
using velmora::fuzz::require;
using Limits = std::numeric_limits<double>;
using Real = long double; // its range holds every product of doubles
constexpr Real kEpsilon = Limits::epsilon(), kPiL = kPi;

// The power of each value that the pair's formulas take: squares, and H⁴ and
// S² for H S; none for S V and L V, and for R V only R², as a divisor that
// is refused where it underflows.
constexpr int kPowers[] = {2, 2, 2, 1, 2, 2, 4, 2, 1, 1};

// Whether no value, nor that power of it, leaves the normal range.
bool inRange(const auto& values, int power) {
    return std::ranges::all_of(values, [&](Real x) {
        const Real p = std::pow(x, power);
        return p >= 8 * Limits::min() && p <= Limits::max() / 8;
    });
}

// The cones told for two given values, each checked: the given values come
// back bit for bit, the others are finite and not negative, and in range
// the relations hold to a few ε of their largest term. A failure is one
// that these values can have.
std::vector<ConeValues> solved(int pair, double first, double second) {
    const SolveResult one = ConeSolver{}.solve(pair, first, second);
    const std::vector<ConeValues> all = ConeSolver{}.solveAll(pair, first, second);
    SolveFailure why = SolveFailure::None;
    const bool twoCones = findTwoConePair(pair) != nullptr;
    require(all.size() <= (twoCones ? 2u : 1u) && one.ok() == !all.empty() &&
                (all.empty() || one.values == all[0]) &&
                (all.size() < 2 || all[0].bySlot[0] > all[1].bySlot[0]),
            "solve tells the one cone, or of two the larger radius");
    require(ConeSolver{}.solveAll(pair, first, second, why) == all && why == one.failure,
            "solveAll tells why there is no cone as solve does");
    constexpr bool alwaysACone[] = {0, 1, 0, 1, 0, 0, 1, 1, 0, 0};
    require((one.failure != SolveFailure::NoCone || !alwaysACone[pair]) &&
                (one.failure != SolveFailure::OutOfRange || !std::isfinite(first + second)),
            "a failure that these values can have");
    const GivenPair& p = kListedPairs[std::size_t(pair)];
    for (const ConeValues& v : all) {
        require(
            fuzz::sameBits(v[p.first], first) && fuzz::sameBits(v[p.second], second) &&
                std::ranges::all_of(v.bySlot, [](double x) { return std::isfinite(x) && x >= 0; }),
            "the given values come back, the rest finite");
        const Real r = v.bySlot[0], l = v.bySlot[1], h = v.bySlot[2], s = v.bySlot[3],
                   vol = v.bySlot[4];
        require(!inRange(v.bySlot, kPowers[pair]) ||
                    (std::fabs(r * r + h * h - l * l) <= 4 * kEpsilon * l * l &&
                     std::fabs(kPiL * r * l - s) <= 4 * kEpsilon * s &&
                     std::fabs(kPiL * r * r * h / 3 - vol) <= 4 * kEpsilon * vol),
                "L² = R² + H², S = πRL and V = πR²H/3");
    }
    return all;
}

// The cone of radius r and height h, given to each pair by two of its values,
// comes back to within what rounding those two can change: the height of a
// flat cone from R and L, R and S or L and S, the radius of a needle from L
// and H, and the two cones of S V and of L V where they meet (H² = 2R²,
// R² = 2H²) are sensitive.
void rebuilds(int pair, Real r, Real h) {
    const Real l = std::sqrt(r * r + h * h), flat = l * l / (h * h), needle = l * l / (r * r);
    const std::array<Real, kQuantityCount> exact{r, l, h, kPiL * r * l, kPiL * r * r * h / 3};
    // Where the two cones of S V, or of L V, meet.
    const Real sv = 1 / std::fabs(1 - 3 / needle), lv = 1 / std::fabs(1 - 3 / flat);
    const Real sensitivity[] = {flat, 1, flat, 1, needle, flat, 1, 1, sv, lv};
    const Real tolerance = 4 * kEpsilon * (1 + sensitivity[pair]);
    // Clear of every underflow (squares in range but for S V and L V), nothing is refused.
    if (!inRange(exact, findTwoConePair(pair) ? 1 : std::max(kPowers[pair], 2)) || tolerance > 1e-9)
        return;
    const GivenPair& p = kListedPairs[std::size_t(pair)];
    const auto close = [&](double x, Real e) { return std::fabs(x - e) <= tolerance * e; };
    require(std::ranges::any_of(
                solved(pair, double(exact[slotOf(p.first)]), double(exact[slotOf(p.second)])),
                [&](const ConeValues& c) { return std::ranges::equal(c.bySlot, exact, close); }),
            "a known cone is rebuilt");
}

// Eight bytes as a value: their bits with the sign dropped, or a point
// drawn log-uniformly from 1e-320 (2^-1063) to the largest double.
double valueOf(std::uint64_t raw, bool logUniform) {
    const double spread = std::exp2(-1063 + 2087 * std::ldexp(double(raw >> 11), -53));
    return logUniform ? std::min(spread, Limits::max()) : std::bit_cast<double>(raw << 1 >> 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t bytes[17] = {};
    std::copy_n(data, std::min(size, sizeof bytes), bytes);
    std::uint64_t raw[2];
    std::memcpy(raw, bytes + 1, sizeof raw);
    const int pair = (bytes[0] & 0x7f) % 10;
    const double a = valueOf(raw[0], bytes[0] & 0x80), b = valueOf(raw[1], bytes[0] & 0x80);
    solved(pair, a, b);
    rebuilds(pair, a, b);
    return 0;
}
