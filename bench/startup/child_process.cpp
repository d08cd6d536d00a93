#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <thread>

extern char** environ;

namespace velmora::startup {
namespace {

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (std::string& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

void check(int rc, const char* what) {
    if (rc != 0)
        throw std::system_error(rc, std::generic_category(), what);
}

// Owns the file actions of one posix_spawn call.
class FileActions {
public:
    FileActions() {
        check(posix_spawn_file_actions_init(&actions_), "posix_spawn_file_actions_init");
    }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;

    void toDevNull(int fd) {
        check(posix_spawn_file_actions_addopen(&actions_, fd, "/dev/null", O_WRONLY, 0),
              "posix_spawn_file_actions_addopen");
    }
    void dup2(int from, int to) {
        check(posix_spawn_file_actions_adddup2(&actions_, from, to),
              "posix_spawn_file_actions_adddup2");
    }
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_{};
};

} // namespace

ChildProcess ChildProcess::spawn(const std::vector<std::string>& argv,
                                 const std::vector<std::string>& env, bool keepOutput,
                                 const std::vector<std::pair<int, int>>& fdsToPass) {
    std::vector<std::string> args = argv;
    std::vector<std::string> vars = env;
    const std::vector<char*> argp = pointersTo(args);
    const std::vector<char*> envp = pointersTo(vars);

    FileActions actions;
    if (!keepOutput) {
        actions.toDevNull(STDOUT_FILENO);
        actions.toDevNull(STDERR_FILENO);
    }
    for (const auto& [from, to] : fdsToPass)
        actions.dup2(from, to);

    pid_t pid = -1;
    const Clock::time_point started = Clock::now();
    const int rc = posix_spawnp(&pid, argp[0], actions.get(), nullptr, argp.data(), envp.data());
    check(rc, ("cannot start " + argv.front()).c_str());
    return ChildProcess(pid, started);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(other.pid_), started_(other.started_), reaped_(other.reaped_) {
    other.pid_ = -1;
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0)
        terminate();
}

bool ChildProcess::running() {
    if (pid_ <= 0 || reaped_)
        return false;
    int status = 0;
    const pid_t rc = waitpid(pid_, &status, WNOHANG);
    if (rc == pid_ || (rc < 0 && errno == ECHILD))
        reaped_ = true;
    return !reaped_;
}

void ChildProcess::terminate(std::chrono::milliseconds grace) {
    if (!running())
        return;
    kill(pid_, SIGTERM);
    const Clock::time_point deadline = Clock::now() + grace;
    while (running() && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    if (running()) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        reaped_ = true;
    }
}

std::vector<std::string> childEnvironment(const std::string& display) {
    std::vector<std::string> env;
    for (char** var = environ; *var != nullptr; ++var) {
        const std::string entry = *var;
        if (entry.starts_with("DISPLAY=") || entry.starts_with("QT_QPA_PLATFORM=") ||
            entry.starts_with("WAYLAND_DISPLAY="))
            continue;
        env.push_back(entry);
    }
    env.push_back("DISPLAY=" + display);
    env.push_back("QT_QPA_PLATFORM=xcb");
    return env;
}

std::optional<MemoryUse> readMemoryUse(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    if (!status)
        return std::nullopt;
    MemoryUse use;
    bool found = false;
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string key;
        long kb = 0;
        if (!(fields >> key >> kb))
            continue;
        if (key == "VmRSS:") {
            use.residentKb = kb;
            found = true;
        } else if (key == "RssAnon:") {
            use.anonKb = kb;
        } else if (key == "RssFile:") {
            use.fileKb = kb;
        } else if (key == "RssShmem:") {
            use.shmemKb = kb;
        }
    }
    if (!found)
        return std::nullopt;
    return use;
}

std::optional<double> readCpuTimeMs(pid_t pid) {
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/" + std::to_string(pid) + "/task", error);
    if (error)
        return std::nullopt;
    double totalNs = 0;
    for (const auto& task : tasks) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpuNs = 0;
        if (schedstat >> onCpuNs)
            totalNs += onCpuNs;
    }
    return totalNs / 1e6;
}

} // namespace velmora::startup
