// What the user is told when the typed values give no cone.
#pragma once

#include "velmora/cone_solver.h"
#include "velmora/number_settings.h"

#include <QString>

namespace velmora {

struct UserMessage {
    QString title;
    QString text;
};

// The message for a calculation of combination `pair`, whose first given
// value is `first`, that failed with `failure` (not SolveFailure::None).
// Numbers in it are written as the fields show them.
UserMessage failureMessage(int pair, SolveFailure failure, double first,
                           const NumberSettings& settings);

} // namespace velmora
