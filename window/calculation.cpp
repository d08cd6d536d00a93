#include "calculation.h"

#include "shown_values.h"

#include <cmath>
#include <vector>

namespace velmora {
namespace {

using Q = ConeQuantity;

// Whether cone `b` shows differently from cone `a` in a field that the
// calculation of `pair` writes.
bool showsDifferently(const GivenPair& pair, const ConeValues& a, const ConeValues& b,
                      const NumberSettings& settings) {
    for (const QuantityInfo& q : kQuantities)
        if (!pair.isGiven(q.quantity) &&
            shownValue(a[q.quantity], settings) != shownValue(b[q.quantity], settings))
            return true;
    return false;
}

// What the user is told when `pair` with the first given value `first` has
// no result for `failure`.
UserMessage failureMessage(const GivenPair& pair, SolveFailure failure, double first,
                           const NumberSettings& settings) {
    return failure == SolveFailure::NoCone ? noConeMessage(pair, first, settings)
                                           : outOfRangeMessage();
}

ShownCone inMessage(const ConeValues& cone, const NumberSettings& settings) {
    ShownCone shown;
    for (std::size_t i = 0; i < kQuantityCount; ++i)
        shown[i] = shownValueInMessage(cone.bySlot[i], settings);
    return shown;
}

// Where two cones can share the given values, the one with the larger radius
// is written, and a second cone that the fields would show differently is
// told. Without a cone, a V that shows as the largest volume that the first
// given value allows (typed from the no-cone message, or written there by an
// earlier calculation) is that one cone, not "no cone"; otherwise a V above
// it is told with the largest volume.
CalculationAnswer answerTwoCones(const GivenPair& pair, const TwoConePair& two, double first,
                                 double volume, const NumberSettings& settings) {
    SolveFailure failure = SolveFailure::None;
    const std::vector<ConeValues> cones =
        ConeSolver{}.solveAll(pair.number, first, volume, failure);
    if (!cones.empty()) {
        if (cones.size() > 1 && showsDifferently(pair, cones[0], cones[1], settings))
            return {cones[0], secondConeMessage(pair, inMessage(cones[1], settings)), cones[1]};
        return {cones[0], std::nullopt};
    }
    ConeValues top = two.largestVolumeCone(first);
    const double largest = top[Q::V];
    if (std::isfinite(largest) && shownValue(volume, settings) == shownValue(largest, settings)) {
        top[Q::V] = volume; // both given values come back as given
        return {top, std::nullopt};
    }
    if (failure == SolveFailure::NoCone)
        return {std::nullopt, largestVolumeMessage(pair, shownValueInMessage(first, settings),
                                                   shownValueInMessage(largest, settings))};
    return {std::nullopt, failureMessage(pair, failure, first, settings)};
}

} // namespace

CalculationAnswer answerCalculation(const GivenPair& pair, double first, double second,
                                    const NumberSettings& settings) {
    if (const TwoConePair* two = findTwoConePair(pair.number))
        return answerTwoCones(pair, *two, first, second, settings);
    const SolveResult result = ConeSolver{}.solve(pair.number, first, second);
    if (!result.ok())
        return {std::nullopt, failureMessage(pair, result.failure, first, settings)};
    return {result.values, std::nullopt};
}

} // namespace velmora
