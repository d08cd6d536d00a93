// velmora_startup_bench: time from process start to the first painted frame, and
// memory once idle, of Velmora and of a reference window with the same controls
// and no logic, run alternately on an X display without a window manager.
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Points of the 481 x 424 window that show these colours once all of it is painted,
// in both programs: the back colour left of the title strip and between the "Размери"
// frame and the picture, and the faces of the two command buttons.
struct Probe {
    int x, y;
    QRgb colour;
};
constexpr Probe kProbes[] = {
    {4, 4, 0xffc0c0ff}, {288, 110, 0xffc0c0ff}, {20, 197, 0xff00ff00}, {148, 197, 0xffff0000}};

// Goals: median start of Velmora / reference, median idle VmRSS of Velmora − reference.
constexpr double kStartGoal = 1.10, kMemoryGoalMiB = 3.0;

struct Sample {
    double startMs; // process start to first painted frame
    double cpuMs;   // CPU time the process had used by then
    double rssMiB;  // VmRSS once idle after the first frame
};

// Both programs centre their window on the screen.
bool painted(QScreen* screen) {
    QRect window(0, 0, 481, 424);
    window.moveCenter(screen->availableGeometry().center());
    return std::ranges::all_of(kProbes, [&](const Probe& p) {
        const QPoint at = window.topLeft() + QPoint(p.x, p.y);
        return screen->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixel(0, 0) == p.colour;
    });
}

// CPU time so far of the live threads of a process (/proc/<pid>/task/*/schedstat), in ms.
double cpuMs(qint64 pid) {
    double ns = 0;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        double onCpu = 0; // stays 0 for a thread that has just ended
        std::ifstream(task.path() / "schedstat") >> onCpu;
        ns += onCpu;
    }
    return ns / 1e6;
}

double residentMiB(qint64 pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            return std::stod(line.substr(6)) / 1024;
    throw std::runtime_error("no VmRSS for process " + std::to_string(pid));
}

// Starts `program`, waits for its first frame and `idleMs` more, reads its memory, stops it.
Sample measure(QScreen* screen, const QString& program, int idleMs) {
    const std::string name = program.toStdString();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    if (!process.waitForStarted())
        throw std::runtime_error("cannot start " + name);
    while (!painted(screen)) {
        if (process.waitForFinished(1))
            throw std::runtime_error(name + " exited before its first frame");
        if (clock.elapsed() > 30'000)
            throw std::runtime_error(name + " painted no window within 30 s");
    }
    const double startMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const double cpu = cpuMs(process.processId());
    if (process.waitForFinished(idleMs))
        throw std::runtime_error(name + " exited while idle");
    const double rss = residentMiB(process.processId());
    process.terminate(); // ~QProcess kills it if it takes longer than this
    process.waitForFinished(5000);
    // The next run starts once the server has taken the window away.
    for (clock.start(); painted(screen); QThread::msleep(1))
        if (clock.elapsed() > 5000)
            throw std::runtime_error("the window of " + name + " stayed after it ended");
    return {startMs, cpu, rss};
}

// Prints min, median and max of one figure of each program; returns the two medians.
std::pair<double, double> printFigure(const char* title, double Sample::*figure,
                                      const std::vector<Sample>& velmora,
                                      const std::vector<Sample>& reference) {
    std::printf("%s\n", title);
    const auto line = [&](const char* name, const std::vector<Sample>& samples) {
        std::vector<double> v;
        for (const Sample& s : samples)
            v.push_back(s.*figure);
        std::ranges::sort(v);
        const double median = (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
        std::printf("  %-34s %9.1f %9.1f %9.1f\n", name, v.front(), median, v.back());
        return median;
    };
    return {line("Velmora", velmora), line("reference", reference)};
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "velmora_startup_bench: no X display; run it under xvfb-run -a\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb"); // for this program and the two it starts
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions(
        {{"runs", "Timed runs of each program, alternating.", "N", "15"},
         {"idle-ms", "Idle time after the first frame before VmRSS is read.", "MS", "1000"}});
    parser.addPositionalArgument("programs",
                                 "Other executables to compare (default: those built"
                                 " beside this bench).",
                                 "[VELMORA [REFERENCE]]");
    parser.process(app);
    const QStringList given = parser.positionalArguments();
    const QString velmora = given.value(0, QStringLiteral(VELMORA_STARTUP_VELMORA));
    const QString reference = given.value(1, QStringLiteral(VELMORA_STARTUP_REFERENCE));
    const int runs = parser.value("runs").toInt(), idleMs = parser.value("idle-ms").toInt();
    if (runs <= 0 || idleMs <= 0 || given.size() > 2)
        parser.showHelp(2);

    std::printf("Velmora start-up bench on X display %s: %s\nbeside %s; %d timed runs of each, "
                "alternating, after a warm-up run; VmRSS read %d ms after the first frame\n\n",
                qgetenv("DISPLAY").constData(), qPrintable(velmora), qPrintable(reference), runs,
                idleMs);
    QScreen* screen = QGuiApplication::primaryScreen();
    std::vector<Sample> v, r;
    try {
        measure(screen, velmora, idleMs); // warm-up: fontconfig and the page cache
        measure(screen, reference, idleMs);
        for (int i = 1; i <= runs; ++i) {
            v.push_back(measure(screen, velmora, idleMs));
            r.push_back(measure(screen, reference, idleMs));
            std::printf("run %2d  Velmora %7.1f ms %6.1f MiB   reference %7.1f ms %6.1f MiB\n", i,
                        v.back().startMs, v.back().rssMiB, r.back().startMs, r.back().rssMiB);
            std::fflush(stdout);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmora_startup_bench: %s\n", e.what());
        return 2;
    }

    std::printf("\n%-36s %9s %9s %9s\n", "", "min", "median", "max");
    const auto start = printFigure("start to first painted frame (ms)", &Sample::startMs, v, r);
    const auto cpu = printFigure("CPU time at first frame (ms)", &Sample::cpuMs, v, r);
    const auto rss = printFigure("idle resident memory, VmRSS (MiB)", &Sample::rssMiB, v, r);
    const double ratio = start.first / start.second, extra = rss.first - rss.second;
    std::printf("\nmedian start, Velmora / reference:    %7.3f x   (goal <= %.2f x)    %s\n"
                "median idle RSS, Velmora - reference: %+7.2f MiB (goal <= %.1f MiB)  %s\n"
                "median CPU time at first frame, Velmora / reference: %.3f x (moves less than"
                " the wall clock on a busy machine)\n",
                ratio, kStartGoal, ratio <= kStartGoal ? "PASS" : "MISS", extra, kMemoryGoalMiB,
                extra <= kMemoryGoalMiB ? "PASS" : "MISS", cpu.first / cpu.second);
    return ratio <= kStartGoal && extra <= kMemoryGoalMiB ? 0 : 1;
}
