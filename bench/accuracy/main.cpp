// velmora_accuracy: sweeps typed values over every pair of given quantities
// and prints how far the displayed results are from the exact cone; exits
// with 1 when a goal printed at the end is not met.
#include "case_check.h"
#include "report.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string_view>
#include <thread>
#include <vector>

using namespace velmora::bench;

namespace {

bool readOptions(int argc, char** argv, RunInfo& run) {
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
void checkPairs(const SweepSize& size, long long threads, Rows& rows) {
    std::atomic<int> taken{0};
    const auto work = [&] {
        CaseChecker checker;
        RowStats unused; // the smaller cone of a pair that has one cone
        for (int pair; (pair = kPairCount - 1 - taken++) >= 0;) {
            const std::optional<std::size_t> smaller = smallerConeRow(pair);
            for (const TypedCase& typed : sweepCases(pair, size))
                checker.check(pair, typed, rows[static_cast<std::size_t>(pair)],
                              smaller ? rows[*smaller] : unused);
        }
        mpfr_free_cache();
    };
    std::vector<std::jthread> pool;
    for (long long t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
}

} // namespace

int main(int argc, char** argv) {
    RunInfo run;
    if (!readOptions(argc, argv, run)) {
        std::fprintf(stderr, "usage: velmora_accuracy [--grid N] [--random N] [--edge N] [--seed N]"
                             " [--threads N]\n");
        return 2;
    }
    if (!mpfr_buildopt_tls_p()) // MPFR's caches are shared without it
        run.threads = 1;
    const auto start = std::chrono::steady_clock::now();
    Rows rows;
    checkPairs(run.size, run.threads, rows);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.gridTexts = gridTexts(run.size.gridTexts).size();
    return printReport(stdout, rows, run) ? 0 : 1;
}
