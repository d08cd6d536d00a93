// Which platform plugin Velmora asks Qt for, from QT_QPA_PLATFORM and DISPLAY.
#include "platform_choice.h"
#include "table_rows.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

struct PlatformCase {
    const char* name;
    const char* qpaPlatform;
    const char* display;
    const char* expected;
};

class PlatformRequest : public ::testing::TestWithParam<PlatformCase> {};

TEST_P(PlatformRequest, PrefersX11OnlyWhereNothingWasAskedFor) {
    EXPECT_EQ(platformRequest(GetParam().qpaPlatform, GetParam().display),
              QByteArray(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Environments, PlatformRequest,
                         ::testing::Values(
                             // An X display is named: X11, and Wayland where it cannot be reached.
                             PlatformCase{"XDisplay", "", ":0", "xcb;wayland"},
                             PlatformCase{"XDisplayAndScreen", "", ":1.0", "xcb;wayland"},
                             // No X display: Qt's own choice (Wayland in a Wayland session).
                             PlatformCase{"NoXDisplay", "", "", ""},
                             // The user's choice stays.
                             PlatformCase{"WaylandAskedFor", "wayland", ":0", "wayland"},
                             PlatformCase{"XcbAskedFor", "xcb", "", "xcb"},
                             PlatformCase{"OffscreenAskedFor", "offscreen", ":0", "offscreen"}),
                         rowName);

} // namespace
} // namespace velmora::test
