#include "cone_net.h"

#include <algorithm>

namespace velmora {

ConeNet coneNet(double radius, double slant, double height) {
    // R/L is at most 1 for every cone the solver gives; the clamp keeps a
    // last-bit excess from drawing a sector of more than a full turn.
    const double ratio = slant > 0 ? std::clamp(radius / slant, 0.0, 1.0) : 0.0;
    return {radius, slant, 360.0 * ratio, height};
}

} // namespace velmora
