#include "case_check.h"

#include "velmora/value_text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace velmora::bench {

void CaseChecker::check(int pair, const TypedCase& typed, Tally& tally) {
    std::tie(pair_, typed_) = std::tuple(pair, &typed);
    ++tally.cases;
    const double first = parseValue(typed.first, plain_);
    const double second = parseValue(typed.second, plain_);
    // Against the C library's correctly rounded reading.
    for (const auto& [text, parsed] :
         {std::pair(&typed.first, first), std::pair(&typed.second, second)})
        tally.parseErrors += parsed == std::strtod(text->c_str(), nullptr) ? 0 : 1;

    exactSolver_.solve(pair, typed.first.c_str(), typed.second.c_str(), exact_);
    const SolveResult result = solver_.solve(pair, first, second);
    compare(false, result.ok() ? &result.values : nullptr, tally);
    if (findTwoConePair(pair)) { // the second cone, where the cubic has two positive roots
        const std::vector<ConeValues> all = solver_.solveAll(pair, first, second);
        compare(true, all.size() >= 2 ? &all[1] : nullptr, tally);
    }
}

std::string CaseChecker::caseName(bool smaller) const {
    return std::to_string(pair_) + (smaller ? "* " : " ") + std::string(findPair(pair_)->label) +
           " " + typed_->first + ", " + typed_->second;
}

void CaseChecker::compare(bool smaller, const ConeValues* computed, Tally& tally) {
    const bool exists = smaller ? exact_.margin > 0 : exact_.exists; // two cones: strictly inside
    const bool falseNoCone = exists && exact_.inRange && !computed;
    const bool falseConeFar = !exists && computed && exact_.margin < -kNearEdge;
    tally.falseNoCone += falseNoCone ? 1 : 0;
    tally.falseConeFar += falseConeFar ? 1 : 0;
    if ((falseNoCone || falseConeFar) && tally.firstFalse.empty())
        tally.firstFalse = caseName(smaller);
    if (!exists || !computed)
        return;

    const ExactValues& exact = smaller ? exact_.smaller : exact_.values;
    const bool well = exact_.margin >= kWellConditioned;
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        const double value = computed->bySlot[q];
        const double ulps = ulpsOff(value, exact[q], scratch_);
        const double scaled =
            ulps / std::max(1.0, (smaller ? exact_.smallerCondition : exact_.condition)[q]);
        if (scaled > tally.worstScaled) {
            char error[32];
            std::snprintf(error, sizeof error, " %.3g ulps", ulps);
            tally.worstScaled = scaled;
            tally.worst = caseName(smaller) + ": " +
                          std::string(symbolOf(static_cast<ConeQuantity>(q))) + error;
        }
        const std::string shown = formatValue(value, plain_);
        mpfr_set_d(scratch_, value, kNearest); // the double's own rounding
        tally.formatErrors += shown == shownText(scratch_) ? 0 : 1;
        if (well && mpfr_cmp_d(exact[q], kShownBelow) < 0) {
            ++tally.shown;
            tally.shownExact += shown == shownText(exact[q]) ? 1 : 0;
        }
    }
}

} // namespace velmora::bench
