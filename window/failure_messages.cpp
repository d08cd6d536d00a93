#include "failure_messages.h"

#include "qt_text.h"

#include "regional_settings.h"

#include <string_view>

namespace velmora {
namespace {

// The relation that the given values of a combination must satisfy, where
// there is one: the other combinations have a cone for any positive values.
struct PairLimit {
    int pair;
    std::string_view relation;
};

constexpr PairLimit kPairLimits[] = {
    {0, "Образувателната L не може да бъде по-малка от радиуса R."},
    {2, "Околната повърхнина S не може да бъде по-малка от π·R²."},
    {4, "Образувателната L не може да бъде по-малка от височината H."},
    {5, "Околната повърхнина S не може да бъде по-голяма от π·L²."},
};

QString relationOf(int pair, double first, const NumberSettings& settings) {
    if (pair == kSurfaceVolumePair.number) {
        // The largest volume depends on S, so the user is told it in numbers.
        return QStringLiteral("При S = %1 обемът V може да бъде най-много %2.")
            .arg(shownValueInMessage(first, settings),
                 shownValueInMessage(largestVolumeCone(first)[ConeQuantity::V], settings));
    }
    for (const PairLimit& limit : kPairLimits)
        if (limit.pair == pair)
            return toQString(limit.relation);
    return {};
}

} // namespace

UserMessage failureMessage(int pair, SolveFailure failure, double first,
                           const NumberSettings& settings) {
    if (failure == SolveFailure::NoCone) {
        QString text = QStringLiteral("Няма конус с тези стойности.");
        if (const QString relation = relationOf(pair, first, settings); !relation.isEmpty())
            text += QLatin1Char('\n') + relation;
        text += QStringLiteral("\nРезултатите в полетата не са променени.");
        return {QStringLiteral("Няма такъв конус"), text};
    }
    return {QStringLiteral("Стойности извън обхвата"),
            QStringLiteral("Стойностите са твърде големи или твърде малки, за да бъдат "
                           "изчислени точно.\nРезултатите в полетата не са променени.")};
}

} // namespace velmora
