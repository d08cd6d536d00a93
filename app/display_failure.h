// What the program says when it cannot open a display: one Bulgarian line
// and exit status 1, instead of Qt's English lines and an abort.
#pragma once

namespace velmora {

// Watches the creation of the QApplication that follows: Qt's messages
// during it are held back, and shown once the display is open; if Qt gives
// up because no platform could be opened, the program says so and ends
// with status 1. Ends its watch when destroyed.
class DisplayFailureWatch {
public:
    DisplayFailureWatch();
    ~DisplayFailureWatch();
    DisplayFailureWatch(const DisplayFailureWatch&) = delete;
    DisplayFailureWatch& operator=(const DisplayFailureWatch&) = delete;
};

inline constexpr int kNoDisplayExitCode = 1;

} // namespace velmora
