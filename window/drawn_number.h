// A number as a drawing writes it beside a line or under a picture.
#pragma once

#include "velmora/number_settings.h"

#include <QString>

namespace velmora {

// mantissa·10^exponent, with 1 ≤ mantissa < 10 (or 0): as a field shows it
// without trailing zeros where that is short and shows all its digits
// ("2,5", "25 000", "0,0004"), as a power of ten otherwise ("2,5·10³⁰⁰",
// "10⁻²⁹⁹"). The exponent may lie beyond the range of doubles.
QString drawnNumberText(double mantissa, int exponent, const NumberSettings& settings);

} // namespace velmora
