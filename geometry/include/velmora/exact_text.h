// An exact value written as a textbook writes it.
#pragma once

#include "velmora/exact_value.h"
#include "velmora/number_settings.h"

#include <string>

namespace velmora {

// Plain text of one line, in a form that reads one way only:
//   numerator [√radicand] [π-power] / denominator [π-power]
// where the root and a positive power of π stand above the line and a
// negative power of π below it. A numerator of 1 is left out before a root
// or π, a denominator of 1 and its "/" always; "·" stands between a root and
// π only; a denominator with π is in parentheses.
//   4        15π       3√2      9√2·π     π        π²       96π
//   π/3      2π/3      √2/2     3/4       15/π     15/(2π)  √2·π/3
//   1/π      3√3/(4π²)
// Integers of four digits or more are grouped as formatValue groups them
// ("1 234π" with a space for the group separator); a radicand that grouping
// splits is in parentheses: "√(12 345)". A negative value has the settings'
// negative prefix and suffix around the whole: "-π/3", "(π/3)".
std::string exactText(const ExactValue& value, const NumberSettings& settings = {});

} // namespace velmora
