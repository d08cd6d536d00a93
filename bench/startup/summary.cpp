#include "summary.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <ostream>

namespace velmora::startup {
namespace {

struct Spread {
    double min = 0;
    double median = 0;
    double max = 0;
};

Spread spreadOf(const std::vector<Sample>& samples,
                const std::function<double(const Sample&)>& get) {
    std::vector<double> v;
    for (const Sample& s : samples)
        v.push_back(get(s));
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    const std::size_t mid = v.size() / 2;
    const double median = v.size() % 2 == 1 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
    return {v.front(), median, v.back()};
}

double mib(long kb) {
    return static_cast<double>(kb) / 1024.0;
}

void printRow(std::ostream& out, const std::string& label, const Spread& s) {
    char line[160];
    std::snprintf(line, sizeof line, "  %-34s %9.1f %9.1f %9.1f\n", label.c_str(), s.min, s.median,
                  s.max);
    out << line;
}

void printFigure(std::ostream& out, const std::string& title, const ProgramRuns& velmora,
                 const ProgramRuns& reference, const std::function<double(const Sample&)>& get) {
    out << title << '\n';
    printRow(out, velmora.name, spreadOf(velmora.samples, get));
    printRow(out, reference.name, spreadOf(reference.samples, get));
}

const char* verdict(bool met) {
    return met ? "PASS" : "MISS";
}

} // namespace

bool printSummary(std::ostream& out, const ProgramRuns& velmora, const ProgramRuns& reference,
                  const Goals& goals) {
    const auto start = [](const Sample& s) { return s.startMs; };
    const auto mapped = [](const Sample& s) { return s.mapMs; };
    const auto cpu = [](const Sample& s) { return s.cpuMs; };
    const auto rss = [](const Sample& s) { return mib(s.memory.residentKb); };
    const auto anon = [](const Sample& s) { return mib(s.memory.anonKb); };
    const auto file = [](const Sample& s) { return mib(s.memory.fileKb); };
    const auto shmem = [](const Sample& s) { return mib(s.memory.shmemKb); };

    char line[160];
    std::snprintf(line, sizeof line, "\n%-36s %9s %9s %9s\n", "", "min", "median", "max");
    out << line;
    printFigure(out, "start to first painted frame (ms)", velmora, reference, start);
    printFigure(out, "idle resident memory, VmRSS (MiB)", velmora, reference, rss);
    out << "details\n";
    printFigure(out, "start to window mapped (ms)", velmora, reference, mapped);
    printFigure(out, "CPU time at first frame (ms)", velmora, reference, cpu);
    printFigure(out, "idle RssAnon (MiB)", velmora, reference, anon);
    printFigure(out, "idle RssFile (MiB)", velmora, reference, file);
    printFigure(out, "idle RssShmem (MiB)", velmora, reference, shmem);

    const double ratio =
        spreadOf(velmora.samples, start).median / spreadOf(reference.samples, start).median;
    const double extra =
        spreadOf(velmora.samples, rss).median - spreadOf(reference.samples, rss).median;
    const double cpuRatio =
        spreadOf(velmora.samples, cpu).median / spreadOf(reference.samples, cpu).median;
    const bool startMet = ratio <= goals.startRatio;
    const bool memoryMet = extra <= goals.extraMiB;
    std::snprintf(line, sizeof line,
                  "\nmedian start, Velmora / reference:    %7.3f x   (goal <= %.2f x)    %s\n",
                  ratio, goals.startRatio, verdict(startMet));
    out << line;
    std::snprintf(line, sizeof line,
                  "median idle RSS, Velmora - reference: %+7.2f MiB (goal <= %.1f MiB)  %s\n",
                  extra, goals.extraMiB, verdict(memoryMet));
    out << line;
    std::snprintf(line, sizeof line,
                  "(median CPU time at first frame, Velmora / reference: %.3f x; less"
                  " sensitive to a busy machine)\n",
                  cpuRatio);
    out << line;
    return startMet && memoryMet;
}

} // namespace velmora::startup
