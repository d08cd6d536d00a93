#include "messages.h"

#include "qt_text.h"
#include "shown_values.h"

#include "velmora/constants.h"

#include <cmath>
#include <string_view>

namespace velmora {
namespace {

double piTimesSquare(double x) {
    return kPi * x * x;
}

// The relation that the given values of a combination must satisfy, where
// there is one; the other listed combinations have a cone for any positive
// values. Keyed on the two given quantities, so that a combination with no
// row here can never show another's relation.
struct PairLimit {
    ConeQuantity first;
    ConeQuantity second;
    std::string_view relation; // without its full stop
    // The bound that the relation sets on the second given value, from the
    // first; nullptr where it compares the two given values themselves.
    double (*bound)(double first);
};

constexpr PairLimit kPairLimits[] = {
    {ConeQuantity::R, ConeQuantity::L, "Образувателната L не може да бъде по-малка от радиуса R",
     nullptr},
    {ConeQuantity::R, ConeQuantity::S, "Околната повърхнина S трябва да е поне π·R²",
     &piTimesSquare},
    {ConeQuantity::L, ConeQuantity::H, "Образувателната L не може да бъде по-малка от височината H",
     nullptr},
    {ConeQuantity::L, ConeQuantity::S, "Околната повърхнина S трябва да е най-много π·L²",
     &piTimesSquare},
};

// The largest volume of the combinations where two cones can share the given
// values, keyed on the given quantity that bounds it, which the text names
// with its value (%1) beside the largest volume (%2).
struct VolumeBound {
    ConeQuantity given;
    std::string_view text;
};

constexpr VolumeBound kVolumeBounds[] = {
    {ConeQuantity::S, "При околна повърхнина S = %1 обемът V може да бъде най-много %2."},
    {ConeQuantity::L, "При образувателна L = %1 обемът V може да бъде най-много %2."},
};

const QString kFieldsKept = QStringLiteral("Стойностите в полетата не са променени.");

UserMessage noCone(const QString& relation) {
    QString text = QStringLiteral("Няма конус с тези стойности.");
    if (!relation.isEmpty())
        text += QLatin1Char('\n') + relation;
    return {QMessageBox::Warning, QStringLiteral("Няма такъв конус"),
            text + QLatin1Char('\n') + kFieldsKept};
}

} // namespace

UserMessage noConeMessage(const GivenPair& pair, double first, const NumberSettings& settings) {
    QString relation;
    for (const PairLimit& limit : kPairLimits) {
        if (limit.first != pair.first || limit.second != pair.second)
            continue;
        relation = toQString(limit.relation);
        // A bound beyond the doubles would read "∞": the relation says enough.
        if (limit.bound && std::isfinite(limit.bound(first)))
            relation += QStringLiteral(" ≈ ") + shownValueInMessage(limit.bound(first), settings);
        relation += QLatin1Char('.');
    }
    return noCone(relation);
}

UserMessage outOfRangeMessage() {
    return {QMessageBox::Warning, QStringLiteral("Стойности извън обхвата"),
            QStringLiteral("Стойностите са твърде големи или твърде малки и конусът не може да "
                           "бъде изчислен.\n") +
                kFieldsKept};
}

UserMessage largestVolumeMessage(const GivenPair& pair, const QString& first,
                                 const QString& largest) {
    // The largest volume depends on the other given value, so the user is
    // told it in numbers.
    QString bound;
    for (const VolumeBound& b : kVolumeBounds)
        if (b.given == pair.first)
            bound = toQString(b.text).arg(first, largest);
    return noCone(bound);
}

UserMessage secondConeMessage(const GivenPair& pair, const ShownCone& other) {
    QString text = QStringLiteral("Има и втори конус (с по-малък радиус) със същите %1 и %2:")
                       .arg(toQString(symbolOf(pair.first)), toQString(symbolOf(pair.second)));
    for (const QuantityInfo& q : kQuantities)
        if (!pair.isGiven(q.quantity))
            text +=
                QStringLiteral("\n%1 = %2")
                    .arg(toQString(q.symbol), other[static_cast<std::size_t>(slotOf(q.quantity))]);
    return {QMessageBox::Information, QStringLiteral("Два конуса"), text};
}

} // namespace velmora
