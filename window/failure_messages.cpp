#include "failure_messages.h"

#include "qt_text.h"

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
    {8, "При дадена околна повърхнина S обемът V не може да бъде толкова голям."},
};

} // namespace

FailureMessage failureMessage(int pair, SolveFailure failure) {
    if (failure == SolveFailure::NoCone) {
        QString text = QStringLiteral("Няма конус с тези стойности.");
        for (const PairLimit& limit : kPairLimits)
            if (limit.pair == pair)
                text += QLatin1Char('\n') + toQString(limit.relation);
        text += QStringLiteral("\nРезултатите в полетата не са променени.");
        return {QStringLiteral("Няма такъв конус"), text};
    }
    return {QStringLiteral("Стойности извън обхвата"),
            QStringLiteral("Стойностите са твърде големи или твърде малки, за да бъдат "
                           "изчислени точно.\nРезултатите в полетата не са променени.")};
}

} // namespace velmora
