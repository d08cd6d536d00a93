#include "regional_settings.h"

#include "velmora/value_text.h"

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

QString shownValue(double value, const NumberSettings& settings) {
    return QString::fromStdString(formatValue(value, settings));
}

QString shownValueInMessage(double value, const NumberSettings& settings) {
    return withDigitGroupBreaks(shownValue(value, settings), settings);
}

QString withDigitGroupBreaks(const QString& text, const NumberSettings& settings) {
    const QString decimal = QString::fromStdString(settings.decimalSeparator);
    const QString group = QString::fromStdString(settings.groupSeparator);
    const bool grouped = !group.isEmpty() && group != decimal;
    auto digitAt = [&](qsizetype i) { return i < text.size() && text[i].isDigit(); };
    auto separatorAt = [&](const QString& separator, qsizetype i) {
        return !separator.isEmpty() && QStringView(text).sliced(i).startsWith(separator) &&
               digitAt(i + separator.size());
    };

    constexpr QChar kBreak(0x200B);
    QString breakable;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!text[i].isDigit()) {
            breakable += text[i++];
            continue;
        }
        // The whole part: digits, and group separators between them.
        qsizetype end = i;
        qsizetype digitsLeft = 0;
        while (digitAt(end) || (grouped && separatorAt(group, end))) {
            digitsLeft += digitAt(end) ? 1 : 0;
            end += digitAt(end) ? 1 : group.size();
        }
        for (; i < end; ++i) {
            if (!text[i].isDigit()) {
                breakable += group + kBreak;
                i += group.size() - 1;
                continue;
            }
            breakable += text[i];
            // Without group separators, a break after every three digits.
            if (--digitsLeft > 0 && !grouped && digitsLeft % 3 == 0)
                breakable += kBreak;
        }
        if (separatorAt(decimal, i)) {
            breakable += decimal;
            for (i += decimal.size(); digitAt(i); ++i)
                breakable += text[i];
        }
    }
    return breakable;
}

} // namespace velmora
