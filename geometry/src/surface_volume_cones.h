// The cones of a lateral surface S and a volume V. R/L = y solves
// y³ − y + q = 0 with q = 9π·V²/S³, which depends on the cone's shape
// alone: every real cone has y in (0, 1), and working with y rather than R²
// keeps the powers of S and V out of the arithmetic.
#pragma once

#include "velmora/cone_solver.h"

#include <vector>

namespace velmora::detail {

// Every cone with lateral surface `surface` and volume `volume`, the larger
// radius first: none, one, or two (one where H² = 2·R², in exact terms).
// A cone's values may leave the double range (a needle too long, a radius
// too small); the caller decides what to do with it.
std::vector<ConeValues> surfaceVolumeCones(double surface, double volume);

} // namespace velmora::detail
