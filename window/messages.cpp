#include "messages.h"

#include "qt_text.h"

#include <string_view>

namespace velmora {
namespace {

// The relation that the given values of a combination must satisfy, where
// there is one; the other listed combinations have a cone for any positive
// values. Keyed on the two given quantities, so that a combination with no
// row here can never show another's relation.
struct PairLimit {
    ConeQuantity first;
    ConeQuantity second;
    std::string_view relation;
};

constexpr PairLimit kPairLimits[] = {
    {ConeQuantity::R, ConeQuantity::L, "Образувателната L не може да бъде по-малка от радиуса R."},
    {ConeQuantity::R, ConeQuantity::S, "Околната повърхнина S не може да бъде по-малка от π·R²."},
    {ConeQuantity::L, ConeQuantity::H,
     "Образувателната L не може да бъде по-малка от височината H."},
    {ConeQuantity::L, ConeQuantity::S, "Околната повърхнина S не може да бъде по-голяма от π·L²."},
};

const QString kFieldsKept = QStringLiteral("Резултатите в полетата не са променени.");

UserMessage noConeMessage(const QString& relation) {
    QString text = QStringLiteral("Няма конус с тези стойности.");
    if (!relation.isEmpty())
        text += QLatin1Char('\n') + relation;
    return {QMessageBox::Warning, QStringLiteral("Няма такъв конус"),
            text + QLatin1Char('\n') + kFieldsKept};
}

} // namespace

UserMessage failureMessage(const GivenPair& pair, SolveFailure failure) {
    if (failure == SolveFailure::NoCone) {
        QString relation;
        for (const PairLimit& limit : kPairLimits)
            if (limit.first == pair.first && limit.second == pair.second)
                relation = toQString(limit.relation);
        return noConeMessage(relation);
    }
    return {QMessageBox::Warning, QStringLiteral("Стойности извън обхвата"),
            QStringLiteral("Стойностите са твърде големи или твърде малки, за да бъдат "
                           "изчислени точно.\n") +
                kFieldsKept};
}

UserMessage largestVolumeMessage(const QString& surface, const QString& largest) {
    // The largest volume depends on S, so the user is told it in numbers.
    return noConeMessage(
        QStringLiteral("При S = %1 обемът V може да бъде най-много %2.").arg(surface, largest));
}

UserMessage secondConeMessage(const QString& r, const QString& l, const QString& h) {
    return {
        QMessageBox::Information, QStringLiteral("Два конуса"),
        QStringLiteral("Има и втори конус със същите S и V:\nR = %1\nL = %2\nH = %3").arg(r, l, h)};
}

} // namespace velmora
