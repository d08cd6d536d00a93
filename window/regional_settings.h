// The user's number settings, read from a QLocale, for the calculation
// library that itself reads no locale.
#pragma once

#include "velmora/number_settings.h"

#include <QLocale>
#include <QString>

namespace velmora {

NumberSettings numberSettingsOf(const QLocale& locale);

// The locale whose numbers the user writes: the first of LC_ALL, LC_NUMERIC
// and LANG that is set, as for every C program's numbers, or else the
// system's regional settings (Windows keeps them outside the environment).
QLocale numericLocale();

// The settings of the user's desktop.
inline NumberSettings userNumberSettings() {
    return numberSettingsOf(numericLocale());
}

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
