#include "report.h"

#include "cone_edges.h"
#include "exact_cone.h"
#include "velmora/cone_quantity.h"
#include "velmora/constants.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <tuple>

namespace velmora::bench {
namespace {

std::string format(const char* pattern, auto... values) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, pattern, values...);
    return buffer;
}

std::string ulpsText(double ulps) {
    return ulps < 0 ? "-" : format(ulps < 1e4 ? "%.2f" : "%.2e", ulps);
}

std::string shareText(long long part, long long whole) {
    return whole == 0
               ? "-"
               : format("%.4f%%", 100.0 * static_cast<double>(part) / static_cast<double>(whole));
}

std::string symbol(int slot) {
    return slot < 0 ? "-" : std::string(symbolOf(static_cast<ConeQuantity>(slot)));
}

// "0 R L" .. "9 L V"; the smaller cone of S V is "8* S V", of L V "9* L V".
std::string rowName(std::size_t row) {
    const GivenPair pair = *findPair(pairOfRow(row));
    return format("%d%s %.*s", pair.number, row < kPairRows ? "" : "*",
                  static_cast<int>(pair.label.size()), pair.label.data());
}

double maxOf(const std::array<double, kQuantityCount>& values) {
    return *std::max_element(values.begin(), values.end());
}

// The intro, then the header and each row between rules of `width` dashes, then a blank line.
void table(std::FILE* out, const Rows& rows, const char* intro, int width,
           const std::string& header, auto printRow) {
    const std::string rule = std::string(static_cast<std::size_t>(width), '-') + '\n';
    std::fprintf(out, "%s%s%s%s", intro, rule.c_str(), header.c_str(), rule.c_str());
    for (std::size_t r = 0; r < kRowCount; ++r)
        printRow(r, rows[r]);
    std::fprintf(out, "%s\n", rule.c_str());
}

void printHeader(std::FILE* out, const Rows& rows, const RunInfo& run) {
    long long cases = 0;
    for (std::size_t r = 0; r < kPairRows; ++r)
        cases += rows[r].cases;
    MpReal piSquared, scratch;
    mpfr_set_d(piSquared, kPi, kNearest);
    mpfr_sqr(piSquared, piSquared, kNearest); // exact: 106 bits
    std::fprintf(
        out,
        "Velmora accuracy: typed text -> parseValue -> ConeSolver -> formatValue,\n"
        "against exact values from the same decimal texts (MPFR, %d bits).\n"
        "pi is the program's kPi = %.17g (0x%016llX) exactly, pi^2 = kPi*kPi exactly\n"
        "(the library's kPiSquared is that product rounded, %.3f ulp from it).\n"
        "Inputs: texts of at most 7 characters in 0.001 .. 9999999; per pair a %zu x %zu\n"
        "log-spaced grid, %lld random pairs of texts and %lld near the edge (pairs with one);\n"
        "seed %llu. %lld cases, %.1f s on %lld threads.\n\n",
        static_cast<int>(kExactBits), kPi,
        static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(kPi)),
        ulpsOff(kPiSquared, piSquared, scratch), run.gridTexts, run.gridTexts, run.size.randomCases,
        run.size.edgeCases, static_cast<unsigned long long>(run.size.seed), cases, run.seconds,
        run.threads);
}

void printExistence(std::FILE* out, const Rows& rows) {
    table(out, rows,
          "Cones found. A false \"no cone\": the typed values describe a cone, the solver\n"
          "finds none; a false cone: the other way round. \"typing\": of those, the ones\n"
          "that the parsed doubles already decide; \"far\": beyond 2^-44 of the edge.\n"
          "\"closest\": the smallest |margin| other than 0, how near the sweep came.\n",
          108,
          "pair    cone exists iff            cases    cones   closest |    false \"no cone\"     "
          "|      false cone       \n"
          "                                                            |    all  typing     far |  "
          "  all  typing     far\n",
          [&](std::size_t r, const RowStats& s) {
              const auto& edge = kConeEdges[static_cast<std::size_t>(pairOfRow(r))];
              // The second cone needs the strict inequality: at the edge the two are one.
              std::string condition;
              for (const char* c = edge ? edge->text : "always"; *c != '\0'; ++c)
                  if (r < kPairRows || *c != '=')
                      condition += *c;
              std::fprintf(out,
                           "%-7s %-23s %8lld %8lld %9s | %6lld %7lld %7lld | %6lld %7lld %7lld\n",
                           rowName(r).c_str(), condition.c_str(), s.cases, s.cones,
                           edge ? format("%.2g", s.closestMargin).c_str() : "-", s.falseNoCone,
                           s.falseNoConeParsed, s.falseNoConeFar, s.falseCone, s.falseConeParsed,
                           s.falseConeFar);
          });
}

void printErrors(std::FILE* out, const Rows& rows) {
    table(out, rows,
          "Largest error in ulps of the exact value of the typed texts, per quantity (a\n"
          "given value shows its typing's rounding); \"> 4\": cases with a value beyond\n"
          "4 ulps. Well conditioned: margin >= 1/16, the margin being the square-rooted\n"
          "difference over its largest term (1 where there is none). \"own\": largest\n"
          "error against the exact cone of the parsed doubles, the typing's rounding left\n"
          "out. \"ulps/cond\": largest error over its condition number (at least 1).\n",
          112,
          "pair            R         L         H         S         V     > 4 |  well: n     max    "
          "> 4 |       own ulps/cond\n",
          [&](std::size_t r, const RowStats& s) {
              std::fprintf(out, "%-7s", rowName(r).c_str());
              for (double ulps : s.maxUlps)
                  std::fprintf(out, " %9s", ulpsText(ulps).c_str());
              std::fprintf(out, " %7lld | %8lld %7s %6lld | %9s %9s\n", s.casesOver, s.comparedWell,
                           ulpsText(maxOf(s.maxUlpsWell)).c_str(), s.casesOverWell,
                           ulpsText(maxOf(s.maxOwnUlps)).c_str(),
                           ulpsText(s.worstScaled.scaled).c_str());
          });
}

void printBands(std::FILE* out, const Rows& rows) {
    table(out, rows,
          "By margin: the number of cones, the largest error in ulps (any quantity) and the\n"
          "largest error over its condition number. The errors grow as the margin shrinks;\n"
          "over the condition number they stay flat: conditioning, not the arithmetic.\n",
          101,
          "pair                     >= 1/2       >= 1/16      >= 2^-10      >= 2^-20           > 0 "
          "            0\n",
          [&](std::size_t r, const RowStats& s) {
              const auto line = [&](const std::string& name, const char* what, auto cell) {
                  std::fprintf(out, "%-7s %-9s", name.c_str(), what);
                  for (std::size_t b = 0; b < kBandCount; ++b)
                      std::fprintf(out, " %13s", s.casesByBand[b] > 0 ? cell(b).c_str() : "-");
                  std::fprintf(out, "\n");
              };
              line(rowName(r), "cones",
                   [&](std::size_t b) { return format("%lld", s.casesByBand[b]); });
              line("", "ulps", [&](std::size_t b) { return ulpsText(s.maxUlpsByBand[b]); });
              line("", "ulps/cond", [&](std::size_t b) { return ulpsText(s.maxScaledByBand[b]); });
          });
}

void printWorst(std::FILE* out, const Rows& rows) {
    table(out, rows,
          "The cases of the largest error: over all cones, over well-conditioned ones,\n"
          "and over the condition number.\n",
          83, "pair    largest    qty       ulps       cond     first    second      margin\n",
          [&](std::size_t r, const RowStats& s) {
              const std::pair<const char*, const Example*> cases[] = {
                  {"ulps", &s.worst}, {"well", &s.worstWell}, {"ulps/cond", &s.worstScaled}};
              for (const auto& [scope, e] : cases)
                  if (e->ulps >= 0)
                      std::fprintf(out, "%-7s %-9s %4s %10s %10s %9s %9s %11.3g\n",
                                   e == &s.worst ? rowName(r).c_str() : "", scope,
                                   symbol(e->quantity).c_str(), ulpsText(e->ulps).c_str(),
                                   ulpsText(e->condition).c_str(), e->first.c_str(),
                                   e->second.c_str(), e->margin);
          });
}

void printDisplay(std::FILE* out, const Rows& rows) {
    table(out, rows,
          "Displayed texts of values below 1e6 that equal the exact value rounded to seven\n"
          "decimals, in all cones and in well-conditioned ones. \"ties\": misses no double\n"
          "can avoid, the nearest double to the exact value showing another text already.\n"
          "\"format\": texts that are not the double's own correct rounding.\n",
          90,
          "pair         texts      exact      share |    well: n      share |  misses   ties  "
          "format\n",
          [&](std::size_t r, const RowStats& s) {
              std::fprintf(out, "%-7s %10lld %10lld %10s | %10lld %10s | %7lld %6lld %7lld\n",
                           rowName(r).c_str(), s.shown, s.shownExact,
                           shareText(s.shownExact, s.shown).c_str(), s.shownWell,
                           shareText(s.shownExactWell, s.shownWell).c_str(), s.shown - s.shownExact,
                           s.shownTies, s.formatErrors);
          });
}

void printShownDigits(std::FILE* out, const Rows& rows) {
    table(out, rows,
          "Shown values of every size that differ from the exact value written the same\n"
          "way: \"all digits\" as the display wrote them before, every digit of the\n"
          "double to seven decimals; \"15 digits\" as it writes them now, at most 15\n"
          "significant digits and zeros after them (the same below 1e8). \"format\":\n"
          "texts that are not the double's own 15-digit rounding.\n",
          74, "pair        values |  all digits      share |   15 digits      share |  format\n",
          [&](std::size_t r, const RowStats& s) {
              std::fprintf(out, "%-7s %10lld | %11lld %10s | %11lld %10s | %7lld\n",
                           rowName(r).c_str(), s.shownAll, s.differAllDigits,
                           shareText(s.differAllDigits, s.shownAll).c_str(), s.differFifteen,
                           shareText(s.differFifteen, s.shownAll).c_str(), s.fifteenFormatErrors);
          });
}

void printExamples(std::FILE* out, const Rows& rows) {
    std::string lines;
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const RowStats& s = rows[r];
        const std::string name = rowName(r);
        for (const auto& [count, what, e] :
             {std::tuple{s.falseNoCone, "false \"no cone\"", &s.falseNoConeExample},
              std::tuple{s.falseCone, "false cone", &s.falseConeExample}})
            if (count > 0)
                lines += format("  %-7s %s %s, %s (margin %.3g)\n", name.c_str(), what,
                                e->first.c_str(), e->second.c_str(), e->margin);
        for (const Example& e : s.displayMisses)
            lines += format("  %-7s display %s, %s: %s shows %s, exact %s (margin %.3g)\n",
                            name.c_str(), e.first.c_str(), e.second.c_str(),
                            symbol(e.quantity).c_str(), e.shown.c_str(), e.exact.c_str(), e.margin);
    }
    if (!lines.empty())
        std::fprintf(out, "Examples\n%s\n", lines.c_str());
}

bool printGoal(std::FILE* out, const char* goal, const std::string& result, bool met) {
    std::fprintf(out, "  %-54s %-32s %s\n", goal, result.c_str(), met ? "met" : "NOT MET");
    return met;
}

bool printGoals(std::FILE* out, const Rows& rows) {
    RowStats a; // the counts of every row added up
    double maxUlpsWell = 0;
    std::size_t worst = 0; // the row of the largest error over the condition number
    for (std::size_t r = 0; r < kRowCount; ++r) {
        for (long long RowStats::*count :
             {&RowStats::compared, &RowStats::zeroValues, &RowStats::zeroMissed,
              &RowStats::parseErrors, &RowStats::solveAllDisagrees, &RowStats::casesOver,
              &RowStats::casesOverWell, &RowStats::shown, &RowStats::shownExact,
              &RowStats::shownWell, &RowStats::shownExactWell, &RowStats::falseNoCone,
              &RowStats::falseConeFar, &RowStats::formatErrors, &RowStats::shownAll,
              &RowStats::differAllDigits, &RowStats::differFifteen, &RowStats::fifteenFormatErrors})
            a.*count += rows[r].*count;
        maxUlpsWell = std::max(maxUlpsWell, maxOf(rows[r].maxUlpsWell));
        if (rows[r].worstScaled.scaled > rows[worst].worstScaled.scaled)
            worst = r;
    }
    const Example& w = rows[worst].worstScaled;
    std::fprintf(out,
                 "Totals (rows 0..9, 8* and 9*): %lld cones compared; %lld exact zeros (%lld not\n"
                 "computed as 0); %lld parse errors; %lld solve/solveAll disagreements.\n"
                 "All cones: %lld cases beyond 4 ulps, %s of displayed texts exact. Well\n"
                 "conditioned (margin >= 1/16): largest error %s ulps, %lld cases beyond 4 ulps.\n"
                 "Shown values: %lld; differing from the exact value, %lld with all digits,\n"
                 "%lld with at most 15 significant digits.\n\n"
                 "Goals\n",
                 a.compared, a.zeroValues, a.zeroMissed, a.parseErrors, a.solveAllDisagrees,
                 a.casesOver, shareText(a.shownExact, a.shown).c_str(),
                 ulpsText(maxUlpsWell).c_str(), a.casesOverWell, a.shownAll, a.differAllDigits,
                 a.differFifteen);
    bool met =
        printGoal(out, "no false \"no cone\"", format("%lld", a.falseNoCone), a.falseNoCone == 0);
    met &= printGoal(out, "no false cone beyond 2^-44 of the edge", format("%lld", a.falseConeFar),
                     a.falseConeFar == 0);
    met &= printGoal(out, "<= 4 ulps, times the condition number where above 1",
                     format("max %s: %s, %s %s ulps", ulpsText(w.scaled).c_str(),
                            rowName(worst).c_str(), symbol(w.quantity).c_str(),
                            ulpsText(w.ulps).c_str()),
                     w.scaled <= kUlpGoal);
    met &= printGoal(out, ">= 99.99% of displayed texts exact (well conditioned)",
                     shareText(a.shownExactWell, a.shownWell),
                     static_cast<double>(a.shownExactWell) >=
                         kShownExactGoal * static_cast<double>(a.shownWell));
    met &= printGoal(out, "no format errors, no parse errors",
                     format("%lld, %lld", a.formatErrors + a.fifteenFormatErrors, a.parseErrors),
                     a.formatErrors == 0 && a.fifteenFormatErrors == 0 && a.parseErrors == 0);
    return met;
}

} // namespace

bool printReport(std::FILE* out, const Rows& rows, const RunInfo& run) {
    printHeader(out, rows, run);
    printExistence(out, rows);
    printErrors(out, rows);
    printBands(out, rows);
    printWorst(out, rows);
    printDisplay(out, rows);
    printShownDigits(out, rows);
    printExamples(out, rows);
    return printGoals(out, rows);
}

} // namespace velmora::bench
