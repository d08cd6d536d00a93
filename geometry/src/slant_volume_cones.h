// The cones of a slant height L and a volume V. H/L = t solves
// t³ − t + q = 0 (shape_cubic.h) with q = 3·V/(π·L³), since
// V = π·(L² − H²)·H/3 = π·L³·(1 − t²)·t/3. The flat cone comes from the
// smaller root, the needle from the larger.
#pragma once

#include "velmora/cone_solver.h"

#include <vector>

namespace velmora::detail {

// The two cones with slant height `slant` and volume `volume`, the flat one
// (of larger radius) first, or none. At the double root (H² = R²/2, in
// exact terms) they are one cone, up to rounding. A cone's values may leave
// the double range (the surface of a huge flat cone); the caller decides
// what to do with it.
std::vector<ConeValues> slantVolumeCones(double slant, double volume);

} // namespace velmora::detail
