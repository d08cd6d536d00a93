// Written forms of a value beside a field's seven decimals: a power of ten,
// for a value of which the seven decimals show too few digits, and the short
// form of a shown value that a formula puts in.
#pragma once

#include "velmora/number_settings.h"
#include "velmora/value_text.h"

#include <string>
#include <string_view>

namespace velmora {

// `value` as a·10ⁿ with 1 ≤ |a| < 10 written with up to fifteen significant
// digits and without trailing zeros, the settings' decimal separator and
// negative form, a middle dot and a superscript exponent: "1,81379936423422·10⁻⁹"
// in Bulgarian. Zero is "0"; not-a-number and infinities are written as
// formatValue writes them.
std::string formatPowerOfTen(double value, const NumberSettings& settings = {});

// Whether the seven decimals of a field show fewer than seven of the
// significant digits of `value` (or fewer than all, for a value that has
// fewer): 1,81·10⁻⁹ shows as 0,0000000 and 0,00173205080756888 as
// 0,0017321, but 0,001 as 0,0010000 shows all there is. Never for zero,
// not-a-number or an infinity.
bool sevenDecimalsHideDigits(double value);

// A value as formatValue wrote it under `settings`, without the trailing
// zeros of its decimals and without a decimal separator left with none:
// "4,0000000" is "4", "47,1238898" stays, "1 234,5000000" is "1 234,5".
std::string withoutTrailingZeros(std::string_view shown, const NumberSettings& settings = {});

} // namespace velmora
