// A double result against its exact value: the error in units of the last
// place, and the seven-decimal display texts.
#pragma once

#include "mp_real.h"

#include <string>

namespace velmora::bench {

// |computed − exact| in units of the last place of a double of the exact
// value's size (2^(e − 53) for an exact value in [2^(e−1), 2^e)). `exact`
// is not 0; an infinite or NaN result is infinitely far.
double ulpsOff(double computed, mpfr_srcptr exact, mpfr_ptr scratch);

// The exact value in fixed point with seven decimals, correctly rounded
// (to nearest, ties to even): what the display should show.
std::string sevenDecimals(mpfr_srcptr exact);

// The same for the exact binary value of a double: what formatting the
// double `value` should give.
std::string sevenDecimals(double value, mpfr_ptr scratch);

} // namespace velmora::bench
