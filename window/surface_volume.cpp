#include "surface_volume.h"

#include "regional_settings.h"

#include <QString>

#include <cmath>

namespace velmora::surface_volume {
std::optional<ConeValues> coneAtShownLargestVolume(double surface, double volume,
                                                   const NumberSettings& settings) {
    ConeValues top = largestVolumeCone(surface);
    const double largest = top[ConeQuantity::V];
    if (!std::isfinite(largest) || shownValue(volume, settings) != shownValue(largest, settings))
        return std::nullopt;
    top[ConeQuantity::V] = volume;
    return top;
}

std::optional<UserMessage> secondConeMessage(const ConeValues& first,
                                             const NumberSettings& settings) {
    using Q = ConeQuantity;
    for (const ConeValues& other :
         ConeSolver{}.solveAll(kSurfaceVolumePair.number, first[Q::S], first[Q::V])) {
        bool differs = false;
        for (Q q : {Q::R, Q::L, Q::H})
            differs = differs || shownValue(other[q], settings) != shownValue(first[q], settings);
        if (!differs)
            continue;
        return UserMessage{
            QStringLiteral("Два конуса"),
            QStringLiteral("Има и втори конус със същите S и V:\nR = %1\nL = %2\nH = %3")
                .arg(shownValueInMessage(other[Q::R], settings),
                     shownValueInMessage(other[Q::L], settings),
                     shownValueInMessage(other[Q::H], settings))};
    }
    return std::nullopt;
}

} // namespace velmora::surface_volume
