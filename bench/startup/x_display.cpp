#include "x_display.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <optional>
#include <stdexcept>

extern char** environ;

namespace velmora::startup {
namespace {

// The descriptor on which Xvfb writes its display number once it is ready.
constexpr int kDisplayFd = 3;

std::vector<std::string> ownEnvironment() {
    std::vector<std::string> env;
    for (char** var = environ; *var != nullptr; ++var)
        env.emplace_back(*var);
    return env;
}

// Reads one line from `fd`, waiting at most until `deadline`.
std::string readLine(int fd, Clock::time_point deadline) {
    std::string line;
    while (line.find('\n') == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            throw std::runtime_error("Xvfb did not report its display in time");
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            continue;
        char buffer[64];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            throw std::runtime_error("Xvfb exited before it reported its display");
        line.append(buffer, static_cast<std::size_t>(n));
    }
    return line.substr(0, line.find('\n'));
}

// Set by the error handler; X errors are expected while a window goes away.
bool gXError = false;

int recordXError(Display* /*display*/, XErrorEvent* /*event*/) {
    gXError = true;
    return 0;
}

unsigned channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0)
        return 0;
    while ((mask & 1UL) == 0) {
        mask >>= 1U;
        pixel >>= 1U;
    }
    return static_cast<unsigned>(pixel & mask);
}

std::string hex(const Rgb& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

} // namespace

XvfbServer::XvfbServer(const std::string& xvfb) {
    int fds[2] = {-1, -1};
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe2 failed");
    // Keep the write end off the descriptor number it is passed on as, so
    // that the child's dup2 really happens and clears close-on-exec.
    if (fds[1] == kDisplayFd) {
        const int moved = fcntl(fds[1], F_DUPFD_CLOEXEC, kDisplayFd + 1);
        close(fds[1]);
        fds[1] = moved;
    }
    const std::vector<std::string> argv{xvfb,        "-displayfd", std::to_string(kDisplayFd),
                                        "-screen",   "0",          screen_,
                                        "-nolisten", "tcp",        "-br",
                                        "-noreset"};
    try {
        process_ = std::make_unique<ChildProcess>(
            ChildProcess::spawn(argv, ownEnvironment(), false, {{fds[1], kDisplayFd}}));
        close(fds[1]);
        display_ =
            std::string(":").append(readLine(fds[0], Clock::now() + std::chrono::seconds(15)));
    } catch (...) {
        close(fds[0]);
        throw;
    }
    close(fds[0]);
}

struct FrameWatcher::Impl {
    Display* display = nullptr;
    Window root = 0;
    Atom netWmPid = 0;
    Window window = 0; // the measured program's window, once mapped

    // The pid that `w` says it belongs to, or -1.
    long pidOf(Window w) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        long pid = -1;
        if (XGetWindowProperty(display, w, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                               &count, &after, &data) == Success &&
            type == XA_CARDINAL && format == 32 && count == 1)
            pid = *reinterpret_cast<long*>(data);
        if (data != nullptr)
            XFree(data);
        return pid;
    }

    // `w` or, under a window manager's frame, one of its descendants that
    // belongs to `pid`.
    Window findWindowOf(pid_t pid, Window w, int depth = 0) {
        if (pidOf(w) == pid)
            return w;
        if (depth >= 2)
            return 0;
        Window rootReturn = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        Window found = 0;
        if (XQueryTree(display, w, &rootReturn, &parent, &children, &count) != 0) {
            for (unsigned i = 0; i < count && found == 0; ++i)
                found = findWindowOf(pid, children[i], depth + 1);
        }
        if (children != nullptr)
            XFree(children);
        return found;
    }

    // The colour of the window's pixel (x, y), or nothing when it cannot be read.
    std::optional<Rgb> colourAt(int x, int y) {
        gXError = false;
        XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
        if (image == nullptr)
            return std::nullopt;
        const unsigned long pixel = XGetPixel(image, 0, 0);
        const Rgb colour{static_cast<int>(channel(pixel, image->red_mask)),
                         static_cast<int>(channel(pixel, image->green_mask)),
                         static_cast<int>(channel(pixel, image->blue_mask))};
        XDestroyImage(image);
        if (gXError)
            return std::nullopt;
        return colour;
    }

    bool matches(const PixelProbe& probe) {
        const std::optional<Rgb> seen = colourAt(probe.x, probe.y);
        return seen && *seen == probe.colour;
    }

    // What the probes show, for the message of a window that never got painted.
    std::string describe(std::span<const PixelProbe> probes) {
        std::string text;
        for (const PixelProbe& probe : probes) {
            const std::optional<Rgb> seen = colourAt(probe.x, probe.y);
            char line[96];
            std::snprintf(line, sizeof line, "; (%d, %d) shows %s, wants %02x%02x%02x", probe.x,
                          probe.y, seen ? hex(*seen).c_str() : "nothing", probe.colour.red,
                          probe.colour.green, probe.colour.blue);
            text += line;
        }
        return text;
    }

    // Waits for X input for at most `timeout`.
    void waitForInput(std::chrono::microseconds timeout) {
        if (XPending(display) > 0)
            return;
        pollfd p{ConnectionNumber(display), POLLIN, 0};
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(timeout);
        const timespec ts{static_cast<time_t>(seconds.count()),
                          static_cast<long>((timeout - seconds).count() * 1000)};
        ppoll(&p, 1, &ts, nullptr);
    }
};

FrameWatcher::FrameWatcher(const std::string& display) : impl_(std::make_unique<Impl>()) {
    impl_->display = XOpenDisplay(display.c_str());
    if (impl_->display == nullptr)
        throw std::runtime_error("cannot open display " + display);
    XSetErrorHandler(recordXError);
    Display* d = impl_->display;
    const int screen = DefaultScreen(d);
    Visual* visual = DefaultVisual(d, screen);
    if (DefaultDepth(d, screen) < 24 || visual->c_class != TrueColor)
        throw std::runtime_error("the display needs a 24-bit TrueColor default visual");
    impl_->root = RootWindow(d, screen);
    impl_->netWmPid = XInternAtom(d, "_NET_WM_PID", False);
    XSelectInput(d, impl_->root, SubstructureNotifyMask);
    XSync(d, False);
}

FrameWatcher::~FrameWatcher() {
    XCloseDisplay(impl_->display);
}

FrameWatcher::Frame FrameWatcher::waitForFrame(pid_t pid, std::span<const PixelProbe> probes,
                                               Clock::time_point deadline,
                                               const std::function<bool()>& alive,
                                               std::chrono::microseconds interval) {
    Impl& x = *impl_;
    x.window = 0;
    Frame frame;
    while (Clock::now() < deadline) {
        while (XPending(x.display) > 0) {
            XEvent event;
            XNextEvent(x.display, &event);
            if (event.type != MapNotify || x.window != 0)
                continue;
            const Clock::time_point seen = Clock::now();
            if (const Window w = x.findWindowOf(pid, event.xmap.window); w != 0) {
                x.window = w;
                frame.mapped = seen;
                XSelectInput(x.display, w, StructureNotifyMask);
            }
        }
        if (x.window != 0) {
            bool all = true;
            for (const PixelProbe& probe : probes)
                all = all && x.matches(probe);
            if (all) {
                frame.painted = Clock::now();
                frame.outcome = Outcome::Painted;
                return frame;
            }
        }
        if (!alive()) {
            frame.outcome = Outcome::Exited;
            return frame;
        }
        x.waitForInput(interval);
    }
    frame.outcome = Outcome::TimedOut;
    frame.detail = x.window == 0 ? "no window of the process was mapped"
                                 : "its window was mapped" + x.describe(probes);
    return frame;
}

void FrameWatcher::idleUntil(Clock::time_point until) {
    Impl& x = *impl_;
    while (Clock::now() < until) {
        while (XPending(x.display) > 0) {
            XEvent event;
            XNextEvent(x.display, &event);
        }
        x.waitForInput(std::chrono::duration_cast<std::chrono::microseconds>(until - Clock::now()));
    }
}

bool FrameWatcher::waitForDestroy(Clock::time_point deadline) {
    Impl& x = *impl_;
    if (x.window == 0)
        return true;
    while (Clock::now() < deadline) {
        while (XPending(x.display) > 0) {
            XEvent event;
            XNextEvent(x.display, &event);
            const bool gone =
                (event.type == DestroyNotify && event.xdestroywindow.window == x.window) ||
                (event.type == UnmapNotify && event.xunmap.window == x.window);
            if (gone) {
                x.window = 0;
                return true;
            }
        }
        x.waitForInput(std::chrono::milliseconds(5));
    }
    return false;
}

} // namespace velmora::startup
