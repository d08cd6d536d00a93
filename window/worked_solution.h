// How a cone follows from its two given values, in Bulgarian: the lines that
// a computed field's tooltip shows after Calculate. The home of those texts.
#pragma once

#include "velmora/cone_quantity.h"
#include "velmora/cone_solver.h"
#include "velmora/number_settings.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace velmora::worked_solution {

// The entry of the value fields' context menu that copies the solution.
QString copyEntryText();

// A number put into a formula: as its field shows it, without trailing
// zeros, or as a power of ten in parentheses where the field hides digits.
QString putIn(double value, const NumberSettings& settings);

// `value` as a line gives it: as its field shows it, or as a power of ten
// where the field's seven decimals hide its digits.
QString valueText(double value, const NumberSettings& settings);

// How each computed quantity of `cone` follows from the given ones of
// `pair`, by slot: an equation or a value on the way where there is one,
// then the quantity's formula in the window's symbols, the same with the
// numbers put in, and its value: after "=" and without trailing zeros where
// it is exact, after "≈" as valueText gives it where it is rounded,
// "H = √(L² − R²) = √(5² − 3²) = 4", "S = π·R·L = π·3·5 ≈ 47,1238898".
// Numbers are put in as the fields show them, without trailing zeros, or as
// a power of ten in parentheses where the field hides their digits. Given
// slots have no lines.
std::array<QStringList, kQuantityCount> derivation(const GivenPair& pair, const ConeValues& cone,
                                                   const NumberSettings& settings);

} // namespace velmora::worked_solution
