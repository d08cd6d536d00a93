// velmora_accuracy: sweeps typed values over every pair of given quantities
// and prints how far the displayed results are from the exact cone.
//
//   velmora_accuracy [--grid N] [--random N] [--edge N] [--seed N] [--threads N]
//
// Exits with 1 when a goal printed at the end is not met.

#include "case_check.h"
#include "cone_edges.h"
#include "report.h"
#include "typed_inputs.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

using namespace velmora::bench;

namespace {

struct Options {
    SweepSize size;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
};

bool readOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const char* name = argv[i];
        const long long value = std::atoll(argv[i + 1]);
        if (value < 0)
            return false;
        if (!std::strcmp(name, "--grid"))
            options.size.gridTexts = static_cast<int>(value);
        else if (!std::strcmp(name, "--random"))
            options.size.randomCases = static_cast<int>(value);
        else if (!std::strcmp(name, "--edge"))
            options.size.edgeCases = static_cast<int>(value);
        else if (!std::strcmp(name, "--seed"))
            options.size.seed = static_cast<std::uint64_t>(value);
        else if (!std::strcmp(name, "--threads"))
            options.threads = std::max(1u, static_cast<unsigned>(value));
        else
            return false;
    }
    return argc % 2 == 1;
}

// A run of consecutive cases of one pair, checked by one thread.
struct Slice {
    int pair;
    const TypedCase* begin;
    const TypedCase* end;
    RowStats row, smallerRow;
};

constexpr std::ptrdiff_t kSliceCases = 4096;

std::vector<Slice> slicesOf(const std::vector<std::vector<TypedCase>>& cases) {
    std::vector<Slice> slices;
    for (int pair = 0; pair < kPairCount; ++pair) {
        const auto& all = cases[static_cast<std::size_t>(pair)];
        for (std::ptrdiff_t at = 0; at < std::ssize(all); at += kSliceCases) {
            const std::ptrdiff_t end = std::min(at + kSliceCases, std::ssize(all));
            slices.push_back({pair, all.data() + at, all.data() + end, {}, {}});
        }
    }
    return slices;
}

void checkSlices(std::vector<Slice>& slices, unsigned threads) {
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        CaseChecker checker;
        for (;;) {
            const std::size_t i = next++;
            if (i >= slices.size())
                break;
            Slice& slice = slices[i];
            for (const TypedCase* c = slice.begin; c != slice.end; ++c)
                checker.check(slice.pair, *c, slice.row, slice.smallerRow);
        }
        mpfr_free_cache();
    };
    std::vector<std::jthread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!readOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--grid N] [--random N] [--edge N] [--seed N] "
                     "[--threads N]\n",
                     argv[0]);
        return 2;
    }
    if (!mpfr_buildopt_tls_p()) // MPFR's caches are shared without it
        options.threads = 1;

    const auto start = std::chrono::steady_clock::now();
    std::vector<std::vector<TypedCase>> cases;
    for (int pair = 0; pair < kPairCount; ++pair)
        cases.push_back(sweepCases(pair, options.size));
    std::vector<Slice> slices = slicesOf(cases);
    checkSlices(slices, options.threads);

    // Merged in slice order, so the report does not depend on the threads.
    Rows rows;
    for (const Slice& slice : slices) {
        rows[static_cast<std::size_t>(slice.pair)].merge(slice.row);
        rows[kSmallerConeRow].merge(slice.smallerRow);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    RunInfo run;
    run.size = options.size;
    run.gridTexts = gridTexts(options.size.gridTexts).size();
    run.threads = options.threads;
    run.seconds = elapsed.count();
    return printReport(stdout, rows, run) ? 0 : 1;
}
