#include "report.h"

#include "velmora/cone_quantity.h"

#include <string>

namespace velmora::bench {
namespace {

std::string format(const char* pattern, auto... values) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, pattern, values...);
    return buffer;
}

std::string shareText(long long part, long long whole) {
    return whole == 0
               ? "-"
               : format("%.4f%%", 100.0 * static_cast<double>(part) / static_cast<double>(whole));
}

// The largest error over its condition number, the quantity and its error in ulps.
std::string worstText(const Worst& w) {
    if (w.quantity < 0)
        return "-";
    const std::string_view symbol = symbolOf(static_cast<ConeQuantity>(w.quantity));
    return format("%.2f: %.*s %.3g", w.scaled, static_cast<int>(symbol.size()), symbol.data(),
                  w.ulps);
}

// "0 R L" .. "9 L V"; the smaller cone of S V is "8* S V", of L V "9* L V".
std::string rowName(std::size_t row) {
    const GivenPair pair = *findPair(pairOfRow(row));
    return format("%d%s %.*s", pair.number, row < kPairRows ? "" : "*",
                  static_cast<int>(pair.label.size()), pair.label.data());
}

bool printGoal(std::FILE* out, const char* goal, const std::string& result, bool met) {
    std::fprintf(out, "  %-54s %-28s %s\n", goal, result.c_str(), met ? "met" : "NOT MET");
    return met;
}

} // namespace

bool printReport(std::FILE* out, const Rows& rows, const RunInfo& run) {
    RowStats all; // every row added up; its worst, that of row `worst`
    std::size_t worst = 0;
    std::string falseCases;
    for (std::size_t r = 0; r < kRowCount; ++r) {
        for (long long RowStats::*count :
             {&RowStats::falseNoCone, &RowStats::falseConeFar, &RowStats::shown,
              &RowStats::shownExact, &RowStats::formatErrors, &RowStats::parseErrors})
            all.*count += rows[r].*count;
        all.cases += r < kPairRows ? rows[r].cases : 0;
        if (rows[r].worst.scaled > rows[worst].worst.scaled)
            worst = r;
        if (!rows[r].firstFalse.empty())
            falseCases += format("  %s: %s\n", rowName(r).c_str(), rows[r].firstFalse.c_str());
    }
    std::fprintf(
        out,
        "Velmora accuracy: typed text -> parseValue -> ConeSolver -> formatValue, against\n"
        "the exact values of the same texts (MPFR, %d bits). Per pair a %zu x %zu grid,\n"
        "%lld random and %lld near the edge; seed %lld. %lld cases, %.1f s on %lld threads.\n\n"
        "pair      cases    cones  false: no cone  cone | ulps/cond: qty ulps  "
        "shown exact  format parse\n",
        static_cast<int>(kExactBits), run.gridTexts, run.gridTexts, run.size.randomCases,
        run.size.edgeCases, run.size.seed, all.cases, run.seconds, run.threads);
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const RowStats& s = rows[r];
        std::fprintf(out, "%-7s %8lld %8lld %15lld %5lld | %-20s %12s %7lld %5lld\n",
                     rowName(r).c_str(), s.cases, s.cones, s.falseNoCone, s.falseConeFar,
                     worstText(s.worst).c_str(), shareText(s.shownExact, s.shown).c_str(),
                     s.formatErrors, s.parseErrors);
    }
    if (!falseCases.empty())
        std::fprintf(out, "\nThe first false cone or \"no cone\" of a row\n%s", falseCases.c_str());

    const Worst& w = rows[worst].worst;
    std::fprintf(out, "\nGoals (well conditioned: margin >= 1/16)\n");
    bool met = printGoal(out, "no false \"no cone\"", format("%lld", all.falseNoCone),
                         all.falseNoCone == 0);
    met &= printGoal(out, "no false cone beyond 2^-44 of the edge",
                     format("%lld", all.falseConeFar), all.falseConeFar == 0);
    met &= printGoal(out, "<= 4 ulps, times the condition number where above 1",
                     format("%s, %s (%s, %s)", rowName(worst).c_str(), worstText(w).c_str(),
                            w.first.c_str(), w.second.c_str()),
                     w.scaled <= kUlpGoal);
    met &= printGoal(out, ">= 99.99% of displayed texts exact (well conditioned)",
                     shareText(all.shownExact, all.shown),
                     static_cast<double>(all.shownExact) >=
                         kShownExactGoal * static_cast<double>(all.shown));
    met &= printGoal(out, "no format errors, no parse errors",
                     format("%lld, %lld", all.formatErrors, all.parseErrors),
                     all.formatErrors == 0 && all.parseErrors == 0);
    return met;
}

} // namespace velmora::bench
