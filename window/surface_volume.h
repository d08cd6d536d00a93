// With S and V given there may be two cones, or one at the largest volume
// that S allows, or none: what the window writes and tells of them.
#pragma once

#include "calculation.h"

#include "velmora/number_settings.h"

namespace velmora::surface_volume {

// The cone with the larger radius is written, and a second cone that the
// fields would show differently is told. A V that shows as the largest
// volume for S (typed from the no-cone message, or written there by an
// earlier calculation) is that one cone, not "no cone"; otherwise a V above
// it is told with the largest volume.
CalculationAnswer answer(double surface, double volume, const NumberSettings& settings);

} // namespace velmora::surface_volume
