// Which platform plugin Velmora asks Qt for, from QT_QPA_PLATFORM and DISPLAY.
#include "platform_choice.h"

#include <gtest/gtest.h>

#include <ostream>

namespace velmora::test {
namespace {

struct PlatformCase {
    const char* qpaPlatform;
    const char* display;
    const char* expected;
};
void PrintTo(const PlatformCase& c, std::ostream* out) {
    *out << "QT_QPA_PLATFORM='" << c.qpaPlatform << "' DISPLAY='" << c.display << "'";
}

class PlatformRequest : public ::testing::TestWithParam<PlatformCase> {};

TEST_P(PlatformRequest, PrefersX11OnlyWhereNothingWasAskedFor) {
    EXPECT_EQ(platformRequest(GetParam().qpaPlatform, GetParam().display),
              QByteArray(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Environments, PlatformRequest,
                         ::testing::Values(
                             // An X display is named: X11, and Wayland where it cannot be reached.
                             PlatformCase{"", ":0", "xcb;wayland"},
                             PlatformCase{"", ":1.0", "xcb;wayland"},
                             // No X display: Qt's own choice (Wayland in a Wayland session).
                             PlatformCase{"", "", ""},
                             // The user's choice stays.
                             PlatformCase{"wayland", ":0", "wayland"},
                             PlatformCase{"xcb", "", "xcb"},
                             PlatformCase{"offscreen", ":0", "offscreen"}));

} // namespace
} // namespace velmora::test
