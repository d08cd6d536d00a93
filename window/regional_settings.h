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

} // namespace velmora
