// The shape of a cone's axial section and of its net (развивка), in the
// cone's own lengths: what the drawing on screen and the printed page both
// draw, computed in one place.
#pragma once

namespace velmora {

struct ConeNet {
    double baseRadius;         // R: the base circle's radius
    double sectorRadius;       // L: the lateral surface unrolled into a sector
    double sectorAngleDegrees; // α = 360°·R/L, 360 when R = L (a whole disc)
    double height;             // H: the axial section's height
};

// The net of the cone with base radius `radius`, slant height `slant` and
// height `height` (as the solution gives them: R ≤ L, all finite, L > 0).
ConeNet coneNet(double radius, double slant, double height);

} // namespace velmora
