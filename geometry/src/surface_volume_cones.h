// The cones of a lateral surface S and a volume V. R/L = y solves
// y³ − y + q = 0 (shape_cubic.h) with q = 9π·V²/S³: since R² = S·y/π and
// L² = S/(π·y), working with y rather than R² keeps the powers of S and V
// out of the arithmetic.
#pragma once

#include "velmora/cone_solver.h"

#include <vector>

namespace velmora::detail {

// The two cones with lateral surface `surface` and volume `volume`, the
// wider (from the larger root) first, or none. At the double root
// (H² = 2·R², in exact terms) they are one cone, up to rounding. A cone's
// values may leave the double range (a needle too long, a radius too
// small); the caller decides what to do with it.
std::vector<ConeValues> surfaceVolumeCones(double surface, double volume);

} // namespace velmora::detail
