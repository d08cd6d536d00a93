#include "case_check.h"

#include "velmora/cone_solver.h"
#include "velmora/value_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <tuple>

namespace velmora::bench {
namespace {

Example exampleOf(const TypedCase& typed, double margin, int quantity = -1) {
    return {.first = typed.first, .second = typed.second, .quantity = quantity, .margin = margin};
}

// parseValue against the C library's correctly rounded reading.
int parseErrors(const std::string& text, double parsed) {
    return parsed == std::strtod(text.c_str(), nullptr) ? 0 : 1;
}

// How the display wrote a value before it kept to 15 significant digits:
// the double's exact binary value rounded to seven decimals, every digit.
std::string allDigitsShown(double value) {
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                   kDisplayedDecimals)
                         .ptr;
    return {buffer, end};
}

} // namespace

void CaseChecker::check(int pair, const TypedCase& typed, RowStats& row, RowStats& smallerRow) {
    const double first = parseValue(typed.first, plain_);
    const double second = parseValue(typed.second, plain_);
    row.parseErrors += parseErrors(typed.first, first) + parseErrors(typed.second, second);

    exactSolver_.solve(pair, typed.first.c_str(), typed.second.c_str(), exact_);
    exactSolver_.solveParsed(pair, first, second, parsed_);
    const SolveResult result = solver_.solve(pair, first, second);
    tally(typed, {exact_.exists, parsed_.exists, exact_.values, exact_.condition, parsed_.values},
          result.ok() ? &result.values : nullptr, row);

    if (!findTwoConePair(pair))
        return;
    // The second cone, where the cubic has two distinct positive roots.
    const std::vector<ConeValues> all = solver_.solveAll(pair, first, second);
    if (result.ok() && (all.empty() || all.front() != result.values))
        ++row.solveAllDisagrees;
    tally(typed,
          {exact_.margin > 0, parsed_.margin > 0, exact_.smaller, exact_.smallerCondition,
           parsed_.smaller},
          all.size() >= 2 ? &all[1] : nullptr, smallerRow);
}

void CaseChecker::tally(const TypedCase& typed, const Verdict& verdict, const ConeValues* computed,
                        RowStats& row) {
    const double margin = exact_.margin;
    ++row.cases;
    row.cones += verdict.exists ? 1 : 0;
    if (margin != 0)
        row.closestMargin = std::min(row.closestMargin, std::fabs(margin));
    if (verdict.exists && exact_.inRange && !computed) {
        ++row.falseNoCone;
        row.falseNoConeParsed += verdict.existsParsed ? 0 : 1;
        row.falseNoConeFar += margin >= kNearEdge ? 1 : 0;
        if (row.falseNoCone == 1 || margin > row.falseNoConeExample.margin)
            row.falseNoConeExample = exampleOf(typed, margin);
    }
    if (!verdict.exists && computed) {
        ++row.falseCone;
        row.falseConeParsed += verdict.existsParsed ? 1 : 0;
        row.falseConeFar += margin < -kNearEdge ? 1 : 0;
        if (row.falseCone == 1 || margin < row.falseConeExample.margin)
            row.falseConeExample = exampleOf(typed, margin);
    }
    if (verdict.exists && computed)
        compare(typed, verdict, *computed, row);
}

void CaseChecker::compare(const TypedCase& typed, const Verdict& verdict,
                          const ConeValues& computed, RowStats& row) {
    const double margin = exact_.margin;
    const bool well = margin >= kWellConditioned;
    ++row.compared;
    row.comparedWell += well ? 1 : 0;

    Example worst = exampleOf(typed, margin), worstScaled = worst;
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
            const int slot = static_cast<int>(q);
            if (ulps > worst.ulps)
                std::tie(worst.ulps, worst.quantity, worst.condition) =
                    std::tuple(ulps, slot, condition);
            if (scaled > worstScaled.scaled)
                std::tie(worstScaled.ulps, worstScaled.scaled, worstScaled.quantity,
                         worstScaled.condition) = std::tuple(ulps, scaled, slot, condition);
        }

        const std::string shown = formatValue(value, plain_);
        ++row.shownAll;
        row.differAllDigits += allDigitsShown(value) == sevenDecimals(exact) ? 0 : 1;
        row.differFifteen += shown == fifteenDigits(exact) ? 0 : 1;
        row.fifteenFormatErrors += shown == fifteenDigits(value, scratch_) ? 0 : 1;

        if (mpfr_cmp_d(exact, kShownBelow) >= 0)
            continue;
        const std::string expected = sevenDecimals(exact);
        const bool exactText = shown == expected;
        ++row.shown;
        row.shownExact += exactText ? 1 : 0;
        row.shownWell += well ? 1 : 0;
        row.shownExactWell += well && exactText ? 1 : 0;
        if (exactText)
            continue;
        row.formatErrors += shown == sevenDecimals(value, scratch_) ? 0 : 1;
        row.shownTies += sevenDecimals(mpfr_get_d(exact, kNearest), scratch_) == expected ? 0 : 1;
        if (row.displayMisses.size() < kDisplayMissesKept) {
            row.displayMisses.push_back(exampleOf(typed, margin, static_cast<int>(q)));
            row.displayMisses.back().shown = shown;
            row.displayMisses.back().exact = expected;
        }
    }

    const std::size_t band = bandOf(margin);
    ++row.casesByBand[band];
    row.maxUlpsByBand[band] = std::max(row.maxUlpsByBand[band], std::max(0.0, worst.ulps));
    row.maxScaledByBand[band] =
        std::max(row.maxScaledByBand[band], std::max(0.0, worstScaled.scaled));
    if (worst.ulps > kUlpGoal) {
        ++row.casesOver;
        row.casesOverWell += well ? 1 : 0;
    }
    if (worst.ulps > row.worst.ulps)
        row.worst = worst;
    if (well && worst.ulps > row.worstWell.ulps)
        row.worstWell = worst;
    if (worstScaled.scaled > row.worstScaled.scaled)
        row.worstScaled = worstScaled;
}

} // namespace velmora::bench
