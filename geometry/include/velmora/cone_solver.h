// Computes the three missing quantities of a cone from two given ones.
#pragma once

#include "velmora/cone_quantity.h"

#include <array>
#include <vector>

namespace velmora {

// R, L, H, S, V indexed by slot.
struct ConeValues {
    std::array<double, kQuantityCount> bySlot{};

    double& operator[](ConeQuantity q) { return bySlot[static_cast<std::size_t>(slotOf(q))]; }
    double operator[](ConeQuantity q) const { return bySlot[static_cast<std::size_t>(slotOf(q))]; }
    bool operator==(const ConeValues&) const = default;
};

enum class SolveFailure {
    None,
    UnknownPair,      // the pair number names no combination
    OutOfRange,       // a given value is not a finite number
    NoCone,           // the values describe no cone (a negative square root)
    Overflow,         // a result left the double range
    DivisorUnderflow, // a divisor underflowed below the normal range, losing digits
};

struct SolveResult {
    SolveFailure failure = SolveFailure::None;
    ConeValues values{};

    bool ok() const { return failure == SolveFailure::None; }
};

class ConeSolver {
public:
    // The cone whose given quantities are `first` and `second` (in the
    // pair's slot order). Where two cones share the given values (S and V,
    // or L and V), the one with the larger radius.
    SolveResult solve(int pair, double first, double second) const;

    // Every cone with these given values, the larger radius first: one for
    // most pairs, up to two for S V and L V. Empty on failure; then `solve`
    // tells why, or `failure` does, which is None when there is a cone.
    std::vector<ConeValues> solveAll(int pair, double first, double second) const;
    std::vector<ConeValues> solveAll(int pair, double first, double second,
                                     SolveFailure& failure) const;
};

// The cone of the largest volume that a lateral surface `surface` allows,
// where H² = 2·R² and the two cones of a surface and volume become one. Its
// V is that largest volume; values beyond the double range are infinite.
ConeValues largestVolumeCone(double surface);

// The same for a slant height `slant`: where H = L/√3 (H² = R²/2) and the
// two cones of a slant height and volume become one; V = 2π·L³/(9·√3).
ConeValues largestVolumeConeOfSlant(double slant);

// The cubic u³ − u + q = 0 whose roots in (0, 1) give the two cones that
// can share a surface and a volume, or a slant height and a volume, as a
// cone of them solves it.
struct ShapeCubic {
    double shape; // q, of the given values alone, as the solver forms it
    double root;  // u, a leg of the cone's right triangle over its slant height
};

// q = 9π·V²/S³ and u = R/L.
ShapeCubic surfaceVolumeCubic(const ConeValues& cone);
// q = 3·V/(π·L³) and u = H/L.
ShapeCubic slantVolumeCubic(const ConeValues& cone);

// A combination where two cones can share the given values: below the
// largest volume that its first given quantity allows two, at it one, above
// it none.
struct TwoConePair {
    int number;
    ConeValues (*largestVolumeCone)(double first); // of the pair's first given value
    ShapeCubic (*shapeCubic)(const ConeValues& cone);
};

inline constexpr TwoConePair kTwoConePairs[] = {
    {kSurfaceVolumePair.number, &largestVolumeCone, &surfaceVolumeCubic},
    {kSlantVolumePair.number, &largestVolumeConeOfSlant, &slantVolumeCubic},
};

// The two-cone combination with this number, or nullptr.
constexpr const TwoConePair* findTwoConePair(int number) {
    for (const TwoConePair& p : kTwoConePairs)
        if (p.number == number)
            return &p;
    return nullptr;
}

} // namespace velmora
