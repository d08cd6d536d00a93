// The printed report: a row per pair (and per smaller cone of S V and L V)
// of the figures that decide the goals, then the goals.
#pragma once

#include "case_check.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace velmora::bench {

struct RunInfo {
    SweepSize size;
    std::size_t gridTexts = 0; // distinct texts of the grid
    long long threads = std::max(1u, std::thread::hardware_concurrency());
    double seconds = 0;
};

// Prints the rows and the goals; returns whether every goal is met.
bool printReport(std::FILE* out, const Rows& rows, const RunInfo& run);

} // namespace velmora::bench
