#include "surface_volume.h"

#include "regional_settings.h"

#include <cmath>

namespace velmora::surface_volume {
namespace {

using Q = ConeQuantity;

std::optional<ConeValues> coneAtShownLargestVolume(double surface, double volume,
                                                   const NumberSettings& settings) {
    ConeValues top = largestVolumeCone(surface);
    const double largest = top[Q::V];
    if (!std::isfinite(largest) || shownValue(volume, settings) != shownValue(largest, settings))
        return std::nullopt;
    top[Q::V] = volume; // S and V come back as given
    return top;
}

std::optional<ConeValues> secondCone(const ConeValues& first, const NumberSettings& settings) {
    for (const ConeValues& other :
         ConeSolver{}.solveAll(kSurfaceVolumePair.number, first[Q::S], first[Q::V])) {
        bool differs = false;
        for (Q q : {Q::R, Q::L, Q::H})
            differs = differs || shownValue(other[q], settings) != shownValue(first[q], settings);
        if (differs)
            return other;
    }
    return std::nullopt;
}

} // namespace

CalculationAnswer answer(double surface, double volume, const NumberSettings& settings) {
    const SolveResult result = ConeSolver{}.solve(kSurfaceVolumePair.number, surface, volume);
    if (result.ok()) {
        const std::optional<ConeValues> other = secondCone(result.values, settings);
        if (!other)
            return {result.values, std::nullopt};
        return {result.values,
                secondConeMessage(shownValueInMessage((*other)[Q::R], settings),
                                  shownValueInMessage((*other)[Q::L], settings),
                                  shownValueInMessage((*other)[Q::H], settings)),
                other};
    }
    if (auto top = coneAtShownLargestVolume(surface, volume, settings))
        return {top, std::nullopt};
    if (result.failure == SolveFailure::NoCone)
        return {std::nullopt, largestVolumeMessage(
                                  shownValueInMessage(surface, settings),
                                  shownValueInMessage(largestVolumeCone(surface)[Q::V], settings))};
    return {std::nullopt, failureMessage(kSurfaceVolumePair, result.failure)};
}

} // namespace velmora::surface_volume
