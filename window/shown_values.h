// Values as the window shows them, in its fields and in its messages and
// tooltips, under the user's number settings.
#pragma once

#include "velmora/number_settings.h"

#include <QString>

namespace velmora {

// `value` as a value field shows it under `settings`.
QString shownValue(double value, const NumberSettings& settings);

// `value` as a message shows it: as a field does, with the places to wrap
// of withDigitGroupBreaks.
QString shownValueInMessage(double value, const NumberSettings& settings);

// `text` with a zero-width space after each group of digits of the whole
// part of every number in it, as `settings` write numbers, where a long
// number may wrap to the next line (a no-break space or a comma between
// digits is no place to break). Decimals are left whole.
QString withDigitGroupBreaks(const QString& text, const NumberSettings& settings);

} // namespace velmora
