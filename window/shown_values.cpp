#include "shown_values.h"

#include "velmora/value_text.h"

namespace velmora {

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
