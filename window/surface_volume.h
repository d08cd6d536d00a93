// With S and V given there may be two cones, or one at the largest volume
// that S allows: what the window makes of that.
#pragma once

#include "failure_messages.h"

#include "velmora/cone_solver.h"
#include "velmora/number_settings.h"

#include <optional>

namespace velmora::surface_volume {

// The cone of the largest volume for `surface`, where `volume` is that
// volume as the fields show numbers: a value typed from the no-cone message,
// or written there by an earlier calculation, is that cone and not "no cone".
// S and V come back as given.
std::optional<ConeValues> coneAtShownLargestVolume(double surface, double volume,
                                                   const NumberSettings& settings);

// The message about a second cone with the S and V of `shown`, where there
// is one and the fields would show it differently.
std::optional<UserMessage> secondConeMessage(const ConeValues& shown,
                                             const NumberSettings& settings);

} // namespace velmora::surface_volume
