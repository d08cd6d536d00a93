// The radius of a cone from its lateral surface and volume, through the
// cubic that R² satisfies.
#pragma once

#include <vector>

namespace velmora::detail {

// The positive real roots x = R² of  π²·x³ + 0·x² + (−S·S)·x + (9·V)·V = 0,
// the larger first. Empty when there is none (the values describe no cone).
// Coefficients that overflow give no roots either; the caller tells why.
std::vector<double> surfaceVolumeRadiusSquares(double surface, double volume);

} // namespace velmora::detail
