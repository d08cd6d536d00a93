// What the window tells the user, as message boxes: the home of every
// message's title and text. Numbers come in as the message shows them, but
// for the bound of a relation, which follows from a given value.
#pragma once

#include "velmora/cone_quantity.h"
#include "velmora/cone_solver.h"
#include "velmora/number_settings.h"

#include <QMessageBox>
#include <QString>

#include <array>

namespace velmora {

struct UserMessage {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

// No cone has the given values of combination `pair`: the message names the
// relation they break where the combination has one, with its bound worked
// out from the first given value, `first`, and written under `settings`.
UserMessage noConeMessage(const GivenPair& pair, double first, const NumberSettings& settings);

// The given values, or a value on the way from them, lie beyond the numbers
// that can be computed with.
UserMessage outOfRangeMessage();

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
