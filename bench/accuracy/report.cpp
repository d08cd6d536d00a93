#include "report.h"

#include "cone_edges.h"
#include "exact_compare.h"
#include "mp_real.h"
#include "velmora/cone_quantity.h"
#include "velmora/constants.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace velmora::bench {
namespace {

constexpr std::array<const char*, kBandCount> kBandNames{">= 1/2",   ">= 1/16", ">= 2^-10",
                                                         ">= 2^-20", "> 0",     "0"};

std::string format(const char* pattern, auto... values) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, values...);
    return buffer;
}

std::string ulpsText(double ulps) {
    if (ulps < 0)
        return "-";
    return format(ulps < 1e4 ? "%.2f" : "%.2e", ulps);
}

std::string countText(long long n) {
    return format("%lld", n);
}

std::string shareText(long long part, long long whole) {
    return whole == 0
               ? "-"
               : format("%.4f%%", 100.0 * static_cast<double>(part) / static_cast<double>(whole));
}

std::string symbol(int slot) {
    return slot < 0 ? "-" : std::string(symbolOf(static_cast<ConeQuantity>(slot)));
}

// "0 R L" .. "8 S V"; the smaller cone of surface and volume is "8* S V".
std::string rowName(std::size_t row) {
    if (row == kSmallerConeRow)
        return "8* S V";
    const GivenPair pair = *findPair(static_cast<int>(row));
    return format("%d %.*s", pair.number, static_cast<int>(pair.label.size()), pair.label.data());
}

void rule(std::FILE* out, int width) {
    std::fprintf(out, "%s\n", std::string(static_cast<std::size_t>(width), '-').c_str());
}

void printHeader(std::FILE* out, const Rows& rows, const RunInfo& run) {
    long long cases = 0;
    for (std::size_t r = 0; r < kSmallerConeRow; ++r)
        cases += rows[r].cases;
    MpReal piSquared, scratch;
    mpfr_set_d(piSquared, kPi, kNearest);
    mpfr_sqr(piSquared, piSquared, kNearest); // exact: 106 bits
    std::fprintf(out,
                 "Velmora accuracy: typed text -> parseValue -> ConeSolver -> formatValue,\n"
                 "against exact values from the same decimal texts (MPFR, %d bits).\n",
                 static_cast<int>(kExactBits));
    std::fprintf(out,
                 "pi is the program's kPi = %.17g (0x%016llX) exactly, pi^2 = kPi*kPi exactly\n"
                 "(the library's kPiSquared is that product rounded, %.3f ulp from it).\n",
                 kPi, static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(kPi)),
                 ulpsOff(kPiSquared, piSquared, scratch));
    std::fprintf(
        out,
        "Inputs: texts of at most 7 characters in 0.001 .. 9999999; per pair a %zu x %zu\n"
        "log-spaced grid, %d random pairs of texts and %d near the edge (pairs with one);\n"
        "seed %llu. %lld cases, %.1f s on %u threads.\n\n",
        run.gridTexts, run.gridTexts, run.size.randomCases, run.size.edgeCases,
        static_cast<unsigned long long>(run.size.seed), cases, run.seconds, run.threads);
}

void printExistence(std::FILE* out, const Rows& rows) {
    std::fprintf(out,
                 "Cones found. A false \"no cone\": the typed values describe a cone, the solver\n"
                 "finds none; a false cone: the other way round. \"typing\": of those, the ones\n"
                 "that the parsed doubles already decide; \"far\": beyond 2^-44 of the edge.\n"
                 "\"closest\": the smallest |margin| other than 0, how near the sweep came.\n");
    const int width = 108;
    rule(out, width);
    std::fprintf(out, "%-7s %-23s %8s %8s %9s | %-22s | %-22s\n", "pair", "cone exists iff",
                 "cases", "cones", "closest", "   false \"no cone\"", "     false cone");
    std::fprintf(out, "%-7s %-23s %8s %8s %9s | %6s %7s %7s | %6s %7s %7s\n", "", "", "", "", "",
                 "all", "typing", "far", "all", "typing", "far");
    rule(out, width);
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const RowStats& s = rows[r];
        const auto& edge = kConeEdges[r == kSmallerConeRow ? kSurfaceVolumePair.number : r];
        const char* condition = r == kSmallerConeRow ? "4 S^6 > 2187 pi^2 V^4"
                                : edge               ? edge->text
                                                     : "always";
        std::fprintf(out, "%-7s %-23s %8lld %8lld %9s | %6lld %7lld %7lld | %6lld %7lld %7lld\n",
                     rowName(r).c_str(), condition, s.cases, s.cones,
                     edge ? format("%.2g", s.closestMargin).c_str() : "-", s.falseNoCone,
                     s.falseNoConeParsed, s.falseNoConeFar, s.falseCone, s.falseConeParsed,
                     s.falseConeFar);
    }
    rule(out, width);
    std::fprintf(out, "\n");
}

double maxOf(const std::array<double, kQuantityCount>& values) {
    return *std::max_element(values.begin(), values.end());
}

void printErrors(std::FILE* out, const Rows& rows) {
    std::fprintf(out,
                 "Largest error in ulps of the exact value of the typed texts, per quantity (a\n"
                 "given value shows its typing's rounding); \"> 4\": cases with a value beyond\n"
                 "4 ulps. Well conditioned: margin >= 1/16, the margin being the square-rooted\n"
                 "difference over its largest term (1 where there is none). \"own\": largest\n"
                 "error against the exact cone of the parsed doubles, the typing's rounding left\n"
                 "out. \"ulps/cond\": largest error over its condition number (at least 1).\n");
    const int width = 112;
    rule(out, width);
    std::fprintf(out, "%-7s %9s %9s %9s %9s %9s %7s | %8s %7s %6s | %9s %9s\n", "pair", "R", "L",
                 "H", "S", "V", "> 4", "well: n", "max", "> 4", "own", "ulps/cond");
    rule(out, width);
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const RowStats& s = rows[r];
        std::fprintf(out, "%-7s", rowName(r).c_str());
        for (double ulps : s.maxUlps)
            std::fprintf(out, " %9s", ulpsText(ulps).c_str());
        std::fprintf(out, " %7lld | %8lld %7s %6lld | %9s %9s\n", s.casesOver, s.comparedWell,
                     ulpsText(maxOf(s.maxUlpsWell)).c_str(), s.casesOverWell,
                     ulpsText(maxOf(s.maxOwnUlps)).c_str(), ulpsText(s.worstScaled.scaled).c_str());
    }
    rule(out, width);
    std::fprintf(out, "\n");
}

void printBands(std::FILE* out, const Rows& rows) {
    std::fprintf(
        out, "By margin: the number of cones, the largest error in ulps (any quantity) and the\n"
             "largest error over its condition number. The errors grow as the margin shrinks;\n"
             "over the condition number they stay flat: conditioning, not the arithmetic.\n");
    const int width = 17 + 14 * static_cast<int>(kBandCount);
    rule(out, width);
    std::fprintf(out, "%-7s %-9s", "pair", "");
    for (const char* name : kBandNames)
        std::fprintf(out, " %13s", name);
    std::fprintf(out, "\n");
    rule(out, width);
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const RowStats& s = rows[r];
        const auto line = [&](const char* name, auto cell) {
            std::fprintf(out, "%-7s %-9s", name == std::string("cones") ? rowName(r).c_str() : "",
                         name);
            for (std::size_t b = 0; b < kBandCount; ++b)
                std::fprintf(out, " %13s", s.casesByBand[b] > 0 ? cell(b).c_str() : "-");
            std::fprintf(out, "\n");
        };
        line("cones", [&](std::size_t b) { return countText(s.casesByBand[b]); });
        line("ulps", [&](std::size_t b) { return ulpsText(s.maxUlpsByBand[b]); });
        line("ulps/cond", [&](std::size_t b) { return ulpsText(s.maxScaledByBand[b]); });
    }
    rule(out, width);
    std::fprintf(out, "\n");
}

void printWorst(std::FILE* out, const Rows& rows) {
    std::fprintf(out,
                 "The cases of the largest error: over all cones, over well-conditioned ones,\n"
                 "and over the condition number.\n");
    const int width = 83;
    rule(out, width);
    std::fprintf(out, "%-7s %-9s %4s %10s %10s %9s %9s %11s\n", "pair", "largest", "qty", "ulps",
                 "cond", "first", "second", "margin");
    rule(out, width);
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const RowStats& s = rows[r];
        for (const auto& [scope, e] :
             {std::pair{"ulps", s.worst}, {"well", s.worstWell}, {"ulps/cond", s.worstScaled}}) {
            if (e.ulps < 0)
                continue;
            std::fprintf(out, "%-7s %-9s %4s %10s %10s %9s %9s %11.3g\n",
                         std::string(scope) == "ulps" ? rowName(r).c_str() : "", scope,
                         symbol(e.quantity).c_str(), ulpsText(e.ulps).c_str(),
                         ulpsText(e.condition).c_str(), e.first.c_str(), e.second.c_str(),
                         e.margin);
        }
    }
    rule(out, width);
    std::fprintf(out, "\n");
}

void printDisplay(std::FILE* out, const Rows& rows) {
    std::fprintf(out,
                 "Displayed texts of values below 1e6 that equal the exact value rounded to seven\n"
                 "decimals, in all cones and in well-conditioned ones. \"ties\": misses no double\n"
                 "can avoid, the nearest double to the exact value showing another text already.\n"
                 "\"format\": texts that are not the double's own correct rounding.\n");
    const int width = 90;
    rule(out, width);
    std::fprintf(out, "%-7s %10s %10s %10s | %10s %10s | %7s %6s %7s\n", "pair", "texts", "exact",
                 "share", "well: n", "share", "misses", "ties", "format");
    rule(out, width);
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const RowStats& s = rows[r];
        std::fprintf(out, "%-7s %10lld %10lld %10s | %10lld %10s | %7lld %6lld %7lld\n",
                     rowName(r).c_str(), s.shown, s.shownExact,
                     shareText(s.shownExact, s.shown).c_str(), s.shownWell,
                     shareText(s.shownExactWell, s.shownWell).c_str(), s.shown - s.shownExact,
                     s.shownTies, s.formatErrors);
    }
    rule(out, width);
    std::fprintf(out, "\n");
}

void printExamples(std::FILE* out, const Rows& rows) {
    bool any = false;
    auto heading = [&] {
        if (!any)
            std::fprintf(out, "Examples\n");
        any = true;
    };
    for (std::size_t r = 0; r < kRowCount; ++r) {
        const RowStats& s = rows[r];
        if (s.falseNoCone > 0) {
            heading();
            const Example& e = s.falseNoConeExample;
            std::fprintf(out, "  %-7s false \"no cone\" %s, %s (margin %.3g)\n", rowName(r).c_str(),
                         e.first.c_str(), e.second.c_str(), e.margin);
        }
        if (s.falseCone > 0) {
            heading();
            const Example& e = s.falseConeExample;
            std::fprintf(out, "  %-7s false cone %s, %s (margin %.3g)\n", rowName(r).c_str(),
                         e.first.c_str(), e.second.c_str(), e.margin);
        }
        for (const Example& e : s.displayMisses) {
            heading();
            std::fprintf(out, "  %-7s display %s, %s: %s shows %s, exact %s (margin %.3g)\n",
                         rowName(r).c_str(), e.first.c_str(), e.second.c_str(),
                         symbol(e.quantity).c_str(), e.shown.c_str(), e.exact.c_str(), e.margin);
        }
    }
    if (any)
        std::fprintf(out, "\n");
}

// Everything merged, and which row holds the largest scaled error.
struct Totals {
    RowStats all;
    std::size_t worstScaledRow = 0;
};

Totals totalsOf(const Rows& rows) {
    Totals t;
    for (std::size_t r = 0; r < kRowCount; ++r) {
        if (rows[r].worstScaled.scaled > t.all.worstScaled.scaled)
            t.worstScaledRow = r;
        t.all.merge(rows[r]);
    }
    return t;
}

bool printGoal(std::FILE* out, const char* goal, const std::string& result, bool met) {
    std::fprintf(out, "  %-54s %-32s %s\n", goal, result.c_str(), met ? "met" : "NOT MET");
    return met;
}

bool atLeastShare(long long part, long long whole, double share) {
    return whole == 0 || static_cast<double>(part) >= share * static_cast<double>(whole);
}

bool printGoals(std::FILE* out, const Rows& rows) {
    const Totals t = totalsOf(rows);
    const RowStats& a = t.all;
    const Example& w = a.worstScaled;
    std::fprintf(out,
                 "Totals (rows 0..8 and 8*): %lld cones compared; %lld exact zeros (%lld not\n"
                 "computed as 0); %lld parse errors; %lld solve/solveAll disagreements.\n",
                 a.compared, a.zeroValues, a.zeroMissed, a.parseErrors, a.solveAllDisagrees);
    std::fprintf(
        out,
        "All cones: %lld cases beyond 4 ulps, %s of displayed texts exact. Well\n"
        "conditioned (margin >= 1/16): largest error %s ulps, %lld cases beyond 4 ulps.\n\n",
        a.casesOver, shareText(a.shownExact, a.shown).c_str(),
        ulpsText(maxOf(a.maxUlpsWell)).c_str(), a.casesOverWell);

    std::fprintf(out, "Goals\n");
    bool met = true;
    met &= printGoal(out, "no false \"no cone\"", countText(a.falseNoCone), a.falseNoCone == 0);
    met &= printGoal(out, "no false cone beyond 2^-44 of the edge", countText(a.falseConeFar),
                     a.falseConeFar == 0);
    met &= printGoal(out, "<= 4 ulps, times the condition number where above 1",
                     format("max %s: %s, %s %s ulps", ulpsText(w.scaled).c_str(),
                            rowName(t.worstScaledRow).c_str(), symbol(w.quantity).c_str(),
                            ulpsText(w.ulps).c_str()),
                     w.scaled <= kUlpGoal);
    met &= printGoal(out, ">= 99.99% of displayed texts exact (well conditioned)",
                     shareText(a.shownExactWell, a.shownWell),
                     atLeastShare(a.shownExactWell, a.shownWell, kShownExactGoal));
    met &= printGoal(out, "no format errors, no parse errors",
                     format("%lld, %lld", a.formatErrors, a.parseErrors),
                     a.formatErrors == 0 && a.parseErrors == 0);
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
    printExamples(out, rows);
    return printGoals(out, rows);
}

} // namespace velmora::bench
