#include "drawn_number.h"

#include "velmora/number_forms.h"
#include "velmora/superscript_digits.h"
#include "velmora/value_text.h"

#include <cmath>

namespace velmora {
namespace {

// Up to eight digits before or after the point still read at a glance.
constexpr int kPlainDigits = 8;

QString plain(double value, const NumberSettings& settings) {
    return QString::fromStdString(withoutTrailingZeros(formatValue(value, settings), settings));
}

} // namespace

QString drawnNumberText(double mantissa, int exponent, const NumberSettings& settings) {
    if (exponent >= -kPlainDigits && exponent <= kPlainDigits) {
        const double value = mantissa * std::pow(10.0, exponent);
        if (!sevenDecimalsHideDigits(value))
            return plain(value, settings);
    }
    const QString power =
        QStringLiteral("10") + QString::fromStdString(superscriptNumber(exponent));
    return mantissa == 1 ? power : plain(mantissa, settings) + QStringLiteral("·") + power;
}

} // namespace velmora
