// What an edit of a value's text may leave out without changing its number:
// the window's typing limit asks these before it shortens an edit.
#pragma once

#include "velmora/number_parts.h"
#include "velmora/number_settings.h"

#include <string_view>
#include <vector>

namespace velmora {

// The group separators among the digits that begin the number at the start
// of `text`, and among those of each number of a form that begins there
// ("1 500/3 000"): the settings' own, or the plain space or apostrophe typed
// for it, each with a digit on either side. The groups need not be complete,
// so that a number being typed ("1 500 0") has its separators too.
std::vector<TextRange> digitGroupSeparators(std::string_view text, const NumberSettings& settings);

// Whether `shortened` begins with the number that `text` begins with, or
// with the same number written with fewer of its decimals: the same sign,
// whole part and exponent. Also true when neither begins with a number.
// A form (see FormParts) is kept where the shortened text has the same form,
// with the same marks (a fraction, a root, π) and each of its numbers kept
// so: "2/3π" cut to "2/3" or "2/" is another number, "3,14159π" cut to
// "3,14π" is not. Every number and form that parseValue reads is seen here,
// and where a text might begin with one after characters that parseValue
// does not pass over, it is taken to: a doubt keeps the number whole.
bool keepsNumber(std::string_view text, std::string_view shortened, const NumberSettings& settings);

} // namespace velmora
