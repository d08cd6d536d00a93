// velmora_accuracy: sweeps typed values over every pair of given quantities,
// measures the shown results against the exact cone and prints the goals;
// exits with 1 when one is missed.
#include "case_check.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

using namespace velmora::bench;

namespace {

std::string text(const char* format, auto... values) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

} // namespace

int main(int argc, char** argv) {
    SweepSize size;
    const std::pair<std::string_view, long long*> options[] = {{"--grid", &size.gridTexts},
                                                               {"--random", &size.randomCases},
                                                               {"--edge", &size.edgeCases},
                                                               {"--seed", &size.seed}};
    for (int i = 1; i < argc; i += 2) {
        const auto* option =
            std::ranges::find(options, std::string_view(argv[i]), [](auto& o) { return o.first; });
        if (i + 1 == argc || option == std::end(options) ||
            (*option->second = std::atoll(argv[i + 1])) < 0) {
            std::fprintf(stderr, "usage: velmora_accuracy [--grid N] [--random N] [--edge N]"
                                 " [--seed N]\n");
            return 2;
        }
    }
    const auto start = std::chrono::steady_clock::now();
    Tally all;
    CaseChecker checker;
    for (int pair = 0; pair < kPairCount; ++pair)
        for (const TypedCase& typed : sweepCases(pair, size))
            checker.check(pair, typed, all);
    mpfr_free_cache(); // for the leak checker of the sanitizer build
    std::printf(
        "Velmora accuracy: typed text -> parseValue -> ConeSolver -> formatValue, against the\n"
        "exact values of the same texts (MPFR, %d bits). Per pair a grid of %lld texts squared,\n"
        "%lld random cases and %lld near the edge, seed %lld: %lld cases, %.1f s.\n"
        "Goals (well conditioned: margin >= 1/16)\n",
        static_cast<int>(kExactBits), size.gridTexts, size.randomCases, size.edgeCases, size.seed,
        all.cases, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());

    bool met = true;
    const auto goal = [&met](const char* what, const std::string& result, bool reached,
                             const std::string& example = "") { // the case that decides it
        std::printf("  %-54s %-9s %s\n", what, result.c_str(), reached ? "met" : "NOT MET");
        if (!example.empty())
            std::printf("      %s\n", example.c_str());
        met = met && reached;
    };
    goal("no false \"no cone\"", text("%lld", all.falseNoCone), all.falseNoCone == 0,
         all.falseNoCone > 0 ? all.firstFalse : "");
    goal("no false cone beyond 2^-44 of the edge", text("%lld", all.falseConeFar),
         all.falseConeFar == 0, all.falseConeFar > 0 ? all.firstFalse : "");
    goal("<= 4 ulps, times the condition number where above 1", text("%.2f", all.worstScaled),
         all.worstScaled <= kUlpGoal, all.worst);
    goal(">= 99.99% of displayed texts exact (well conditioned)",
         text("%.4f%%", 100.0 * static_cast<double>(all.shownExact) /
                            static_cast<double>(std::max(1LL, all.shown))),
         static_cast<double>(all.shownExact) >= kShownExactGoal * static_cast<double>(all.shown));
    goal("no format errors, no parse errors", text("%lld, %lld", all.formatErrors, all.parseErrors),
         all.formatErrors == 0 && all.parseErrors == 0);
    return met ? 0 : 1;
}
