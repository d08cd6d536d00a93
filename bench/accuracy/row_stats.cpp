#include "row_stats.h"

#include <algorithm>

namespace velmora::bench {
namespace {

template <std::size_t N>
void addEach(std::array<long long, N>& to, const std::array<long long, N>& from) {
    for (std::size_t i = 0; i < N; ++i)
        to[i] += from[i];
}

template <std::size_t N>
void maxEach(std::array<double, N>& to, const std::array<double, N>& from) {
    for (std::size_t i = 0; i < N; ++i)
        to[i] = std::max(to[i], from[i]);
}

} // namespace

std::size_t bandOf(double margin) {
    std::size_t band = 0;
    while (band < kBandFloors.size() && margin < kBandFloors[band])
        ++band;
    return band;
}

void RowStats::merge(const RowStats& o) {
    cases += o.cases;
    cones += o.cones;
    closestMargin = std::min(closestMargin, o.closestMargin);

    if (o.falseNoCone > 0 &&
        (falseNoCone == 0 || o.falseNoConeExample.margin > falseNoConeExample.margin))
        falseNoConeExample = o.falseNoConeExample;
    falseNoCone += o.falseNoCone;
    falseNoConeParsed += o.falseNoConeParsed;
    falseNoConeFar += o.falseNoConeFar;
    if (o.falseCone > 0 && (falseCone == 0 || o.falseConeExample.margin < falseConeExample.margin))
        falseConeExample = o.falseConeExample;
    falseCone += o.falseCone;
    falseConeParsed += o.falseConeParsed;
    falseConeFar += o.falseConeFar;

    compared += o.compared;
    comparedWell += o.comparedWell;
    maxEach(maxUlps, o.maxUlps);
    maxEach(maxUlpsWell, o.maxUlpsWell);
    casesOver += o.casesOver;
    casesOverWell += o.casesOverWell;
    maxEach(maxUlpsByBand, o.maxUlpsByBand);
    maxEach(maxScaledByBand, o.maxScaledByBand);
    if (o.worstScaled.scaled > worstScaled.scaled)
        worstScaled = o.worstScaled;
    maxEach(maxOwnUlps, o.maxOwnUlps);
    addEach(casesByBand, o.casesByBand);
    if (o.worst.ulps > worst.ulps)
        worst = o.worst;
    if (o.worstWell.ulps > worstWell.ulps)
        worstWell = o.worstWell;
    zeroValues += o.zeroValues;
    zeroMissed += o.zeroMissed;

    shown += o.shown;
    shownExact += o.shownExact;
    shownWell += o.shownWell;
    shownExactWell += o.shownExactWell;
    shownTies += o.shownTies;
    formatErrors += o.formatErrors;
    for (const Example& miss : o.displayMisses)
        if (displayMisses.size() < kDisplayMissesKept)
            displayMisses.push_back(miss);

    parseErrors += o.parseErrors;
    solveAllDisagrees += o.solveAllDisagrees;
}

} // namespace velmora::bench
