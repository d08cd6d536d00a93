#include "case_check.h"

#include "exact_compare.h"
#include "velmora/value_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velmora::bench {
namespace {

Example exampleOf(const TypedCase& typed, double margin) {
    Example e;
    e.first = typed.first.view();
    e.second = typed.second.view();
    e.margin = margin;
    return e;
}

// parseValue against the C library's correctly rounded reading.
int parseErrors(const TypedText& text, double parsed) {
    return parsed == std::strtod(text.c_str(), nullptr) ? 0 : 1;
}

void keepLarger(Example& kept, const Example& candidate) {
    if (candidate.ulps > kept.ulps)
        kept = candidate;
}

} // namespace

void CaseChecker::check(int pair, const TypedCase& typed, RowStats& row, RowStats& smallerRow) {
    const double first = parseValue(typed.first.view(), plain_);
    const double second = parseValue(typed.second.view(), plain_);
    row.parseErrors += parseErrors(typed.first, first) + parseErrors(typed.second, second);

    exactSolver_.solve(pair, typed.first.c_str(), typed.second.c_str(), first, second, exact_);
    const bool parsedCone = exact_.parsedMargin >= 0;
    if (parsedCone)
        exactSolver_.solveParsed(pair, first, second, parsed_);
    const SolveResult result = solver_.solve(pair, first, second);
    tally(typed,
          {exact_.exists, parsedCone, exact_.inRange, exact_.margin, exact_.values,
           exact_.condition, parsed_.values},
          result.ok() ? &result.values : nullptr, row);

    if (pair != kSurfaceVolumePair.number)
        return;
    // The second cone, where the cubic has two distinct positive roots.
    const std::vector<ConeValues> all = solver_.solveAll(pair, first, second);
    if (result.ok() && (all.empty() || all.front() != result.values))
        ++row.solveAllDisagrees;
    tally(typed,
          {exact_.margin > 0, exact_.parsedMargin > 0, exact_.inRange, exact_.margin,
           exact_.smaller, exact_.smallerCondition, parsed_.smaller},
          all.size() >= 2 ? &all[1] : nullptr, smallerRow);
}

void CaseChecker::tally(const TypedCase& typed, const Verdict& verdict, const ConeValues* computed,
                        RowStats& row) {
    ++row.cases;
    if (verdict.exists)
        ++row.cones;
    if (verdict.margin != 0)
        row.closestMargin = std::min(row.closestMargin, std::fabs(verdict.margin));
    if (verdict.exists && verdict.inRange && !computed) {
        ++row.falseNoCone;
        row.falseNoConeParsed += verdict.existsParsed ? 0 : 1;
        row.falseNoConeFar += verdict.margin >= kNearEdge ? 1 : 0;
        if (row.falseNoCone == 1 || verdict.margin > row.falseNoConeExample.margin)
            row.falseNoConeExample = exampleOf(typed, verdict.margin);
    }
    if (!verdict.exists && computed) {
        ++row.falseCone;
        row.falseConeParsed += verdict.existsParsed ? 1 : 0;
        row.falseConeFar += verdict.margin < -kNearEdge ? 1 : 0;
        if (row.falseCone == 1 || verdict.margin < row.falseConeExample.margin)
            row.falseConeExample = exampleOf(typed, verdict.margin);
    }
    if (verdict.exists && computed)
        compare(typed, verdict, *computed, row);
}

void CaseChecker::compare(const TypedCase& typed, const Verdict& verdict,
                          const ConeValues& computed, RowStats& row) {
    const bool well = verdict.margin >= kWellConditioned;
    ++row.compared;
    row.comparedWell += well ? 1 : 0;

    Example worst = exampleOf(typed, verdict.margin), worstScaled = worst;
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        const double value = computed.bySlot[q];
        const mpfr_srcptr exact = verdict.exact[q];
        if (mpfr_zero_p(exact)) {
            ++row.zeroValues;
            row.zeroMissed += value == 0 ? 0 : 1;
        } else {
            const double ulps = ulpsOff(value, exact, scratch_);
            const double condition = verdict.condition[q];
            const double scaled = ulps / std::max(1.0, condition);
            row.maxUlps[q] = std::max(row.maxUlps[q], ulps);
            if (well)
                row.maxUlpsWell[q] = std::max(row.maxUlpsWell[q], ulps);
            if (verdict.existsParsed && !mpfr_zero_p(verdict.parsedExact[q]))
                row.maxOwnUlps[q] =
                    std::max(row.maxOwnUlps[q], ulpsOff(value, verdict.parsedExact[q], scratch_));
            if (ulps > worst.ulps) {
                worst.ulps = ulps;
                worst.quantity = static_cast<int>(q);
                worst.condition = condition;
            }
            if (scaled > worstScaled.scaled) {
                worstScaled.ulps = ulps;
                worstScaled.scaled = scaled;
                worstScaled.quantity = static_cast<int>(q);
                worstScaled.condition = condition;
            }
        }

        if (mpfr_cmp_d(exact, kShownBelow) >= 0)
            continue;
        const std::string shown = formatValue(value, plain_);
        const std::string expected = sevenDecimals(exact);
        const bool exactText = shown == expected;
        ++row.shown;
        row.shownExact += exactText ? 1 : 0;
        row.shownWell += well ? 1 : 0;
        row.shownExactWell += well && exactText ? 1 : 0;
        if (exactText)
            continue;
        row.formatErrors += shown == sevenDecimals(value, scratch_) ? 0 : 1;
        const double nearest = mpfr_get_d(exact, kNearest);
        row.shownTies += sevenDecimals(nearest, scratch_) == expected ? 0 : 1;
        if (row.displayMisses.size() < kDisplayMissesKept) {
            Example miss = exampleOf(typed, verdict.margin);
            miss.quantity = static_cast<int>(q);
            miss.shown = shown;
            miss.exact = expected;
            row.displayMisses.push_back(miss);
        }
    }

    const std::size_t band = bandOf(verdict.margin);
    ++row.casesByBand[band];
    row.maxUlpsByBand[band] = std::max(row.maxUlpsByBand[band], std::max(0.0, worst.ulps));
    row.maxScaledByBand[band] =
        std::max(row.maxScaledByBand[band], std::max(0.0, worstScaled.scaled));
    if (worst.ulps > kUlpGoal) {
        ++row.casesOver;
        row.casesOverWell += well ? 1 : 0;
    }
    keepLarger(row.worst, worst);
    if (well)
        keepLarger(row.worstWell, worst);
    if (worstScaled.scaled > row.worstScaled.scaled)
        row.worstScaled = worstScaled;
}

} // namespace velmora::bench
