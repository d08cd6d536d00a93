// The X side of the bench: a private Xvfb server, and a watcher that sees a
// program's window appear on it and tells when its first frame is on screen.
#pragma once

#include "child_process.h"

#include <functional>
#include <memory>
#include <span>
#include <string>

namespace velmora::startup {

// An Xvfb server on a display number of its own choosing, stopped on destruction.
class XvfbServer {
public:
    // Starts `xvfb` and waits until it accepts clients. Throws std::runtime_error.
    explicit XvfbServer(const std::string& xvfb);

    const std::string& display() const { return display_; }
    const std::string& screen() const { return screen_; }

private:
    std::string display_;
    std::string screen_ = "1024x768x24";
    std::unique_ptr<ChildProcess> process_;
};

struct Rgb {
    int red;
    int green;
    int blue;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A point of the window, relative to its top-left corner, and the colour it
// has once the window has been painted.
struct PixelProbe {
    int x;
    int y;
    Rgb colour;
};

class FrameWatcher {
public:
    // Connects to `display` and starts listening for windows that are mapped
    // there. Throws std::runtime_error.
    explicit FrameWatcher(const std::string& display);
    ~FrameWatcher();
    FrameWatcher(const FrameWatcher&) = delete;
    FrameWatcher& operator=(const FrameWatcher&) = delete;

    enum class Outcome { Painted, Exited, TimedOut };
    struct Frame {
        Outcome outcome = Outcome::TimedOut;
        Clock::time_point mapped;  // the window of `pid` was mapped
        Clock::time_point painted; // every probe showed its colour
        std::string detail;        // what was seen, when not painted in time
    };

    // Waits for a window of process `pid` (by _NET_WM_PID) to be mapped, then
    // polls the probes about every `interval` until all match. `alive` tells
    // whether the process still runs.
    Frame waitForFrame(pid_t pid, std::span<const PixelProbe> probes, Clock::time_point deadline,
                       const std::function<bool()>& alive,
                       std::chrono::microseconds interval = std::chrono::microseconds(1000));

    // Handles X events until `until` (keeps the connection's queue short).
    void idleUntil(Clock::time_point until);

    // Waits until the window found by the last waitForFrame is destroyed, so
    // that its pixels are gone before the next program starts.
    bool waitForDestroy(Clock::time_point deadline);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace velmora::startup
