// What the window tells the user, as message boxes: the home of every
// message's title and text. Numbers come in as the message shows them.
#pragma once

#include "velmora/cone_quantity.h"
#include "velmora/cone_solver.h"

#include <QMessageBox>
#include <QString>

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

// No cone has lateral surface `surface` and that volume; the largest volume
// that the surface allows is `largest`.
UserMessage largestVolumeMessage(const QString& surface, const QString& largest);

// A second cone has the same S and V, with radius, slant height and height
// `r`, `l` and `h`.
UserMessage secondConeMessage(const QString& r, const QString& l, const QString& h);

} // namespace velmora
