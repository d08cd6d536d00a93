#include "calculation.h"

#include "surface_volume.h"

namespace velmora {

CalculationAnswer answerCalculation(const GivenPair& pair, double first, double second,
                                    const NumberSettings& settings) {
    // Surface and volume can give two cones, or one at the largest volume.
    if (pair.number == kSurfaceVolumePair.number)
        return surface_volume::answer(first, second, settings);
    const SolveResult result = ConeSolver{}.solve(pair.number, first, second);
    if (!result.ok())
        return {std::nullopt, failureMessage(pair, result.failure)};
    return {result.values, std::nullopt};
}

} // namespace velmora
