// The figures of the runs and the table printed at the end.
#pragma once

#include "child_process.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora::startup {

// One run of one program.
struct Sample {
    double startMs = 0; // process start to first painted frame
    double mapMs = 0;   // process start to the window being mapped
    double cpuMs = 0;   // CPU time the process had used at its first frame
    MemoryUse memory;   // once idle after the first frame
};

struct ProgramRuns {
    std::string name;
    std::string path;
    std::vector<Sample> samples;
};

struct Goals {
    double startRatio = 1.15; // median start, Velmora / reference, at most
    double extraMiB = 3.0;    // median idle RSS, Velmora - reference, at most
};

// Prints min, median and max of each figure for both programs, the ratios and
// the goals. Returns whether Velmora meets both goals.
bool printSummary(std::ostream& out, const ProgramRuns& velmora, const ProgramRuns& reference,
                  const Goals& goals);

} // namespace velmora::startup
