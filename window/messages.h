// What the window tells the user, as message boxes: the home of every
// message's title and text. Numbers come in as the message shows them.
#pragma once

#include "velmora/cone_quantity.h"
#include "velmora/cone_solver.h"

#include <QMessageBox>
#include <QString>

#include <array>

namespace velmora {

struct UserMessage {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

// The values of combination `pair` gave no result, with `failure` (not
// SolveFailure::None): no cone, with the relation they break where the
// combination has one, or values out of range.
UserMessage failureMessage(const GivenPair& pair, SolveFailure failure);

// The values of a cone by slot, each as a message shows it.
using ShownCone = std::array<QString, kQuantityCount>;

// No cone has the given values of `pair`, a combination where two cones can
// share them; the largest volume that its first given value, `first`,
// allows is `largest`.
UserMessage largestVolumeMessage(const GivenPair& pair, const QString& first,
                                 const QString& largest);

// A second cone, `other`, has the same given values of `pair`: its three
// computed quantities are told.
UserMessage secondConeMessage(const GivenPair& pair, const ShownCone& other);

} // namespace velmora
