// velmora_accuracy: sweeps typed values over every pair of given quantities,
// measures the shown results against the exact cone and prints the goals;
// exits with 1 when one is missed.
#include "case_check.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

using namespace velmora::bench;

namespace {

struct Options {
    SweepSize size;
    long long threads = std::max(1u, std::thread::hardware_concurrency());
};

bool readOptions(int argc, char** argv, Options& run) {
    const std::pair<std::string_view, long long*> options[] = {{"--grid", &run.size.gridTexts},
                                                               {"--random", &run.size.randomCases},
                                                               {"--edge", &run.size.edgeCases},
                                                               {"--seed", &run.size.seed},
                                                               {"--threads", &run.threads}};
    for (int i = 1; i + 1 < argc; i += 2) {
        const auto* option =
            std::ranges::find(options, std::string_view(argv[i]), [](auto& o) { return o.first; });
        if (option == std::end(options) || (*option->second = std::atoll(argv[i + 1])) < 0)
            return false;
    }
    run.threads = std::max(1LL, run.threads);
    return argc % 2 == 1;
}

// Each thread takes whole pairs, the largest (L V, S V) first; a pair's
// cases are checked in order, so the figures do not depend on threads.
Tally checkPairs(const Options& run) {
    std::array<Tally, kPairCount> pairs;
    std::atomic<int> taken{0};
    const auto work = [&] {
        CaseChecker checker;
        for (int pair; (pair = kPairCount - 1 - taken++) >= 0;)
            for (const TypedCase& typed : sweepCases(pair, run.size))
                checker.check(pair, typed, pairs[static_cast<std::size_t>(pair)]);
        mpfr_free_cache();
    };
    {
        std::vector<std::jthread> pool;
        for (long long t = 1; t < run.threads; ++t)
            pool.emplace_back(work);
        work();
    }
    Tally all;
    for (const Tally& pair : pairs)
        all.add(pair);
    return all;
}

bool printGoal(const char* goal, const std::string& result, bool met, const std::string& example) {
    std::printf("  %-54s %-9s %s\n", goal, result.c_str(), met ? "met" : "NOT MET");
    if (!example.empty())
        std::printf("      %s\n", example.c_str());
    return met;
}

} // namespace

int main(int argc, char** argv) {
    Options run;
    if (!readOptions(argc, argv, run)) {
        std::fprintf(stderr, "usage: velmora_accuracy [--grid N] [--random N] [--edge N] [--seed N]"
                             " [--threads N]\n");
        return 2;
    }
    if (!mpfr_buildopt_tls_p()) // MPFR's caches are shared without it
        run.threads = 1;
    const auto start = std::chrono::steady_clock::now();
    const Tally all = checkPairs(run);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "Velmora accuracy: typed text -> parseValue -> ConeSolver -> formatValue, against the\n"
        "exact values of the same texts (MPFR, %d bits). Per pair a grid of %lld texts squared,\n"
        "%lld random cases and %lld near the edge, seed %lld: %lld cases, %.1f s on %lld threads.\n"
        "Goals (well conditioned: margin >= 1/16)\n",
        static_cast<int>(kExactBits), run.size.gridTexts, run.size.randomCases, run.size.edgeCases,
        run.size.seed, all.cases, seconds, run.threads);

    const auto number = [](long long n) { return std::to_string(n); };
    char share[32];
    std::snprintf(share, sizeof share, "%.4f%%",
                  100.0 * static_cast<double>(all.shownExact) /
                      static_cast<double>(std::max(1LL, all.shown)));
    char scaled[32];
    std::snprintf(scaled, sizeof scaled, "%.2f", all.worstScaled);
    bool met = printGoal("no false \"no cone\"", number(all.falseNoCone), all.falseNoCone == 0,
                         all.falseNoCone > 0 ? all.firstFalse : "");
    met &= printGoal("no false cone beyond 2^-44 of the edge", number(all.falseConeFar),
                     all.falseConeFar == 0, all.falseConeFar > 0 ? all.firstFalse : "");
    met &= printGoal("<= 4 ulps, times the condition number where above 1", scaled,
                     all.worstScaled <= kUlpGoal, all.worst);
    met &= printGoal(">= 99.99% of displayed texts exact (well conditioned)", share,
                     static_cast<double>(all.shownExact) >=
                         kShownExactGoal * static_cast<double>(all.shown),
                     "");
    met &= printGoal("no format errors, no parse errors",
                     number(all.formatErrors) + ", " + number(all.parseErrors),
                     all.formatErrors == 0 && all.parseErrors == 0, "");
    return met ? 0 : 1;
}
