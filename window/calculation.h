// What Calculate makes of a combination and its two given values: the cone
// that the fields receive, what the user is told, or both.
#pragma once

#include "messages.h"

#include "velmora/cone_quantity.h"
#include "velmora/cone_solver.h"
#include "velmora/number_settings.h"

#include <optional>

namespace velmora {

struct CalculationAnswer {
    std::optional<ConeValues> cone;     // written into the five fields
    std::optional<UserMessage> message; // told after the fields are written

    // The other cone of the given values that the message tells, if any.
    std::optional<ConeValues> secondCone = std::nullopt;
};

// The answer for positive given values `first` and `second` of `pair`, with
// numbers in messages written under `settings`.
CalculationAnswer answerCalculation(const GivenPair& pair, double first, double second,
                                    const NumberSettings& settings);

} // namespace velmora
