// velmora_startup_bench: time from process start to the first painted frame,
// and resident memory once idle, of Velmora and of a reference window with
// the same controls and no logic, run alternately on one X server.
#include "child_process.h"
#include "summary.h"
#include "x_display.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

#ifndef VELMORA_STARTUP_VELMORA
#define VELMORA_STARTUP_VELMORA "velmora"
#endif
#ifndef VELMORA_STARTUP_REFERENCE
#define VELMORA_STARTUP_REFERENCE "velmora_startup_reference"
#endif
#ifndef VELMORA_STARTUP_XVFB
#define VELMORA_STARTUP_XVFB "Xvfb"
#endif

namespace velmora::startup {
namespace {

// Points of the 481 x 424 client area that show these colours once the whole
// window is painted, in both programs: the window's back colour left of the
// title strip and between the "Размери" frame and the picture, and the faces
// of the two command buttons beside their captions.
constexpr Rgb kBackColour{192, 192, 255};
constexpr std::array<PixelProbe, 4> kProbes{{
    {4, 4, kBackColour},
    {288, 110, kBackColour},
    {20, 197, {0, 255, 0}},
    {148, 197, {255, 0, 0}},
}};

constexpr auto kFrameTimeout = std::chrono::seconds(30);

struct Options {
    std::string velmora = VELMORA_STARTUP_VELMORA;
    std::string reference = VELMORA_STARTUP_REFERENCE;
    std::string xvfb = VELMORA_STARTUP_XVFB;
    int runs = 15;
    int idleMs = 1000;
    bool useDisplay = false;
    bool showOutput = false;
};

void printUsage(std::ostream& out) {
    out << "usage: velmora_startup_bench [--runs N] [--idle-ms MS] [--use-display]\n"
           "                             [--xvfb PATH] [--show-output] [VELMORA [REFERENCE]]\n"
           "  --runs N        timed runs of each program, alternating (default 15)\n"
           "  --idle-ms MS    idle time after the first frame before VmRSS is read (default 1000)\n"
           "  --use-display   use $DISPLAY instead of starting a private Xvfb\n"
           "  --xvfb PATH     the Xvfb to start (default " VELMORA_STARTUP_XVFB ")\n"
           "  --show-output   let the programs' standard output and error through\n"
           "exit status: 0 both goals met, 1 a goal missed, 2 the bench could not run\n";
}

int positiveNumber(const std::string& text) {
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used != text.size() || value <= 0)
        throw std::invalid_argument(text);
    return value;
}

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--runs" && hasValue) {
            options.runs = positiveNumber(argv[++i]);
        } else if (arg == "--idle-ms" && hasValue) {
            options.idleMs = positiveNumber(argv[++i]);
        } else if (arg == "--xvfb" && hasValue) {
            options.xvfb = argv[++i];
        } else if (arg == "--use-display") {
            options.useDisplay = true;
        } else if (arg == "--show-output") {
            options.showOutput = true;
        } else if (!arg.starts_with("-") && positional < 2) {
            (positional++ == 0 ? options.velmora : options.reference) = arg;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

class Bench {
public:
    Bench(const Options& options, const std::string& display)
        : options_(options), watcher_(display), env_(childEnvironment(display)) {}

    // Starts the program, waits for its first frame and for it to idle, reads
    // its memory and stops it. Throws std::runtime_error when it shows no frame.
    Sample measure(const ProgramRuns& program) {
        ChildProcess child = ChildProcess::spawn({program.path}, env_, options_.showOutput);
        const FrameWatcher::Frame frame =
            watcher_.waitForFrame(child.pid(), kProbes, child.startTime() + kFrameTimeout,
                                  [&] { return child.running(); });
        if (frame.outcome == FrameWatcher::Outcome::Exited)
            throw std::runtime_error(program.name + " exited before its first frame");
        if (frame.outcome == FrameWatcher::Outcome::TimedOut)
            throw std::runtime_error(program.name +
                                     " showed no painted window within 30 s: " + frame.detail);
        const double cpuMs = readCpuTimeMs(child.pid()).value_or(0.0);

        watcher_.idleUntil(frame.painted + std::chrono::milliseconds(options_.idleMs));
        const std::optional<MemoryUse> memory = readMemoryUse(child.pid());
        if (!memory)
            throw std::runtime_error("cannot read /proc/<pid>/status of " + program.name);
        child.terminate();
        if (!watcher_.waitForDestroy(Clock::now() + std::chrono::seconds(5)))
            throw std::runtime_error("the window of " + program.name + " did not go away");

        return {milliseconds(frame.painted - child.startTime()),
                milliseconds(frame.mapped - child.startTime()), cpuMs, *memory};
    }

private:
    const Options& options_;
    FrameWatcher watcher_;
    std::vector<std::string> env_;
};

// The first three fields of /proc/loadavg: 1, 5 and 15 minutes.
std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    if (!(file >> one >> five >> fifteen))
        return "unknown";
    return one + " " + five + " " + fifteen;
}

void printRun(int run, const Sample& v, const Sample& r) {
    std::printf("run %2d  Velmora %7.1f ms %6.1f MiB   reference %7.1f ms %6.1f MiB\n", run,
                v.startMs, static_cast<double>(v.memory.residentKb) / 1024.0, r.startMs,
                static_cast<double>(r.memory.residentKb) / 1024.0);
    std::fflush(stdout);
}

int run(const Options& options) {
    std::optional<XvfbServer> server;
    std::string display;
    if (options.useDisplay) {
        const char* env = std::getenv("DISPLAY");
        if (env == nullptr || *env == '\0')
            throw std::runtime_error("--use-display given but DISPLAY is not set");
        display = env;
    } else {
        server.emplace(options.xvfb);
        display = server->display();
    }

    ProgramRuns velmora{"Velmora", options.velmora, {}};
    ProgramRuns reference{"reference", options.reference, {}};
    std::cout << "Velmora start-up bench on X display " << display
              << (server ? " (private Xvfb " + server->screen() + ")" : std::string())
              << ", QT_QPA_PLATFORM=xcb\n"
              << "  Velmora:   " << velmora.path << "\n"
              << "  reference: " << reference.path << "\n"
              << "  " << options.runs << " timed runs of each, alternating, after one untimed"
              << " warm-up run of each; VmRSS read " << options.idleMs
              << " ms after the first frame\n"
              << "  load average before: " << loadAverage() << "\n\n";

    Bench bench(options, display);
    bench.measure(velmora); // warm-up: fontconfig and the page cache
    bench.measure(reference);
    for (int i = 1; i <= options.runs; ++i) {
        velmora.samples.push_back(bench.measure(velmora));
        reference.samples.push_back(bench.measure(reference));
        printRun(i, velmora.samples.back(), reference.samples.back());
    }
    const bool met = printSummary(std::cout, velmora, reference, Goals{});
    std::cout << "load average after: " << loadAverage()
              << " (on a busy machine the wall-clock start-up spreads widely)\n";
    return met ? 0 : 1;
}

} // namespace
} // namespace velmora::startup

int main(int argc, char** argv) {
    using namespace velmora::startup;
    std::optional<Options> options;
    try {
        options = parseOptions(argc, argv);
    } catch (const std::exception&) {
        options.reset();
    }
    if (!options) {
        printUsage(std::cerr);
        return 2;
    }
    try {
        return run(*options);
    } catch (const std::exception& e) {
        std::cerr << "velmora_startup_bench: " << e.what() << '\n';
        return 2;
    }
}
