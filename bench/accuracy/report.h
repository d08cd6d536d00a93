// The printed tables of the accuracy sweep.
#pragma once

#include "row_stats.h"
#include "typed_inputs.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <thread>

namespace velmora::bench {

// Rows 0..8 are the pairs; the last is the smaller cone of surface and
// volume (pair 8) from solveAll.
inline constexpr std::size_t kRowCount = 10;
inline constexpr std::size_t kSmallerConeRow = 9;
using Rows = std::array<RowStats, kRowCount>;

struct RunInfo {
    SweepSize size;
    std::size_t gridTexts = 0; // distinct texts of the grid
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    double seconds = 0;
};

// Prints every table, the totals and the goals; returns whether every goal is met.
bool printReport(std::FILE* out, const Rows& rows, const RunInfo& run);

} // namespace velmora::bench
