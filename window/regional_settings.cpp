#include "regional_settings.h"

#include <QStringList>
#include <QtGlobal>

namespace velmora {

NumberSettings numberSettingsOf(const QLocale& locale) {
    // The C locale has no digit grouping. Qt's system locale under LANG=C
    // still groups thousands unless told not to, so it is not asked.
    if (locale.language() == QLocale::C)
        return plainNumberSettings();

    NumberSettings s;
    s.decimalSeparator = locale.decimalPoint().toStdString();

    // QLocale tells the group separator but not the group sizes, nor
    // whether it groups at all (the C locale does not): both are read off
    // a long number written the locale's way.
    const QString separator = locale.groupSeparator();
    const QString grouped = locale.toString(1234567890123LL);
    const QStringList groups =
        separator.isEmpty() ? QStringList{grouped} : grouped.split(separator);
    if (groups.size() >= 2) {
        s.groupSeparator = separator.toStdString();
        s.primaryGroupSize = static_cast<int>(groups.back().size());
        s.secondaryGroupSize = static_cast<int>(
            groups.size() >= 3 ? groups[groups.size() - 2].size() : groups.back().size());
    }

    // The negative form is what surrounds the digit in minus one.
    const QString one = locale.toString(1);
    const QString minusOne = locale.toString(-1);
    const auto at = minusOne.indexOf(one);
    if (at >= 0) {
        s.negativePrefix = minusOne.left(at).toStdString();
        s.negativeSuffix = minusOne.mid(at + one.size()).toStdString();
    }
    return s;
}

QLocale numericLocale() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (name.isEmpty())
            continue;
        // "bg_BG.UTF-8@euro" names the locale bg_BG; C and POSIX name the C
        // locale, which QLocale only knows as "C".
        const QString bare = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        if (bare.isEmpty() || bare == QLatin1String("C") || bare == QLatin1String("POSIX"))
            return QLocale::c();
        return QLocale(bare);
    }
    return QLocale::system();
}

} // namespace velmora
