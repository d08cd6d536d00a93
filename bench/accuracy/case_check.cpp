#include "case_check.h"

#include "velmora/value_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velmora::bench {

void CaseChecker::check(int pair, const TypedCase& typed, RowStats& row, RowStats& smallerRow) {
    const double first = parseValue(typed.first, plain_);
    const double second = parseValue(typed.second, plain_);
    // Against the C library's correctly rounded reading.
    const auto misread = [](const std::string& text, double parsed) {
        return parsed == std::strtod(text.c_str(), nullptr) ? 0 : 1;
    };
    row.parseErrors += misread(typed.first, first) + misread(typed.second, second);

    exactSolver_.solve(pair, typed.first.c_str(), typed.second.c_str(), exact_);
    const SolveResult result = solver_.solve(pair, first, second);
    tally(typed, exact_.exists, exact_.values, exact_.condition,
          result.ok() ? &result.values : nullptr, row);
    if (!findTwoConePair(pair))
        return;
    // The second cone, where the cubic has two distinct positive roots.
    const std::vector<ConeValues> all = solver_.solveAll(pair, first, second);
    tally(typed, exact_.margin > 0, exact_.smaller, exact_.smallerCondition,
          all.size() >= 2 ? &all[1] : nullptr, smallerRow);
}

void CaseChecker::tally(const TypedCase& typed, bool exists, const ExactValues& exact,
                        const Conditions& condition, const ConeValues* computed, RowStats& row) {
    ++row.cases;
    row.cones += exists ? 1 : 0;
    const bool falseNoCone = exists && exact_.inRange && !computed;
    const bool falseConeFar = !exists && computed && exact_.margin < -kNearEdge;
    row.falseNoCone += falseNoCone ? 1 : 0;
    row.falseConeFar += falseConeFar ? 1 : 0;
    if ((falseNoCone || falseConeFar) && row.firstFalse.empty())
        row.firstFalse = typed.first + ", " + typed.second;
    if (!exists || !computed)
        return;

    const bool well = exact_.margin >= kWellConditioned;
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        const double value = computed->bySlot[q];
        // An exact 0 (the height or radius of a cone on the edge) is computed as 0.
        const double ulps = mpfr_zero_p(exact[q]) ? (value == 0 ? 0 : HUGE_VAL)
                                                  : ulpsOff(value, exact[q], scratch_);
        const double scaled = ulps / std::max(1.0, condition[q]);
        if (scaled > row.worst.scaled)
            row.worst = {typed.first, typed.second, static_cast<int>(q), ulps, scaled};

        const std::string shown = formatValue(value, plain_);
        row.formatErrors += shown == fifteenDigits(value, scratch_) ? 0 : 1;
        if (well && mpfr_cmp_d(exact[q], kShownBelow) < 0) {
            ++row.shown;
            row.shownExact += shown == fifteenDigits(exact[q]) ? 1 : 0;
        }
    }
}

} // namespace velmora::bench
