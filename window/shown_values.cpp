#include "shown_values.h"

#include "velmora/number_parts.h"
#include "velmora/value_text.h"

namespace velmora {

QString shownValue(double value, const NumberSettings& settings) {
    return QString::fromStdString(formatValue(value, settings));
}

QString shownValueInMessage(double value, const NumberSettings& settings) {
    return withDigitGroupBreaks(shownValue(value, settings), settings);
}

QString withDigitGroupBreaks(const QString& text, const NumberSettings& settings) {
    const std::string utf8 = text.toStdString();
    const std::string_view kBreak = "\u200b";
    std::string breakable;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const NumberParts number = scanNumber(utf8, pos, settings, DigitGrouping::AsTyped);
        if (!number.hasDigits()) {
            breakable += utf8[pos++];
            continue;
        }
        breakable += number.of(number.sign);
        // The whole part: a break after each group separator, or without
        // them after every three digits.
        const std::string_view digits = number.of(number.digitGroups.front());
        for (std::size_t i = 0; i < digits.size(); ++i) {
            breakable += digits[i];
            const std::size_t left = digits.size() - 1 - i;
            if (left > 0 && left % 3 == 0 && !settings.groupsDigits())
                breakable += kBreak;
        }
        for (std::size_t i = 0; i < number.groupSeparators.size(); ++i) {
            breakable += number.of(number.groupSeparators[i]);
            breakable += kBreak;
            breakable += number.of(number.digitGroups[i + 1]);
        }
        // The decimals and the exponent, whole.
        const std::size_t rest = number.digitGroups.back().end();
        breakable += std::string_view(utf8).substr(rest, number.end - rest);
        pos = number.end;
    }
    return QString::fromStdString(breakable);
}

} // namespace velmora
