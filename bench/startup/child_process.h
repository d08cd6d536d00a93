// Starting, watching and stopping the measured programs (and the Xvfb server).
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora::startup {

using Clock = std::chrono::steady_clock;

class ChildProcess {
public:
    // Starts `argv[0]` (looked up in PATH when it has no slash) with exactly
    // the environment `env`. Its standard output and error go to /dev/null
    // unless `keepOutput`; each pair in `fdsToPass` is dup2'ed (from, to) in
    // the child. The start time is taken just before the process is created.
    // Throws std::system_error when the process cannot be started.
    static ChildProcess spawn(const std::vector<std::string>& argv,
                              const std::vector<std::string>& env, bool keepOutput,
                              const std::vector<std::pair<int, int>>& fdsToPass = {});

    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&&) = delete;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    pid_t pid() const { return pid_; }
    Clock::time_point startTime() const { return started_; }

    // Whether the process has not exited yet (reaps it when it has).
    bool running();

    // SIGTERM, then SIGKILL if it has not exited after `grace`; reaps it.
    void terminate(std::chrono::milliseconds grace = std::chrono::milliseconds(5000));

private:
    ChildProcess(pid_t pid, Clock::time_point started) : pid_(pid), started_(started) {}

    pid_t pid_ = -1;
    Clock::time_point started_;
    bool reaped_ = false;
};

// The environment that every measured program gets: this process's own, with
// DISPLAY set to `display` and QT_QPA_PLATFORM to xcb.
std::vector<std::string> childEnvironment(const std::string& display);

// Resident memory of a process, from /proc/<pid>/status, in kB.
struct MemoryUse {
    long residentKb = 0; // VmRSS
    long anonKb = 0;     // RssAnon: heap, stacks, private mappings
    long fileKb = 0;     // RssFile: mapped libraries, fonts, other files
    long shmemKb = 0;    // RssShmem: shared memory (e.g. MIT-SHM images)
};
std::optional<MemoryUse> readMemoryUse(pid_t pid);

// CPU time used so far by the live threads of a process, in ms, from
// /proc/<pid>/task/*/schedstat (nanosecond resolution).
std::optional<double> readCpuTimeMs(pid_t pid);

} // namespace velmora::startup
