// What the user is told when the typed values give no cone.
#pragma once

#include "velmora/cone_solver.h"

#include <QString>

namespace velmora {

struct FailureMessage {
    QString title;
    QString text;
};

// The message for a calculation of combination `pair` that failed with
// `failure` (not SolveFailure::None).
FailureMessage failureMessage(int pair, SolveFailure failure);

} // namespace velmora
