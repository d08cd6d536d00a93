// The user's number settings, read from a QLocale, for the calculation
// library that itself reads no locale.
#pragma once

#include "velmora/number_settings.h"

#include <QLocale>
#include <QString>

namespace velmora {

NumberSettings numberSettingsOf(const QLocale& locale);

// The settings of the user's desktop (LC_ALL, LC_NUMERIC, LANG).
inline NumberSettings userNumberSettings() {
    return numberSettingsOf(QLocale::system());
}

// `value` as a value field shows it under `settings`.
QString shownValue(double value, const NumberSettings& settings);

} // namespace velmora
