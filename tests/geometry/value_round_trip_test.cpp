#include "velmora/value_text.h"

#include "locale_settings.h"
#include "table_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace velmora;
using velmora::testing::NamedSettings;
using velmora::testing::sampleLocales;

// x as shown, as the nearest double: rounded to seven decimals below 10^8,
// else to 15 significant digits, where these lie in the double range.
double shownValue(double x) {
    char printed[400];
    std::snprintf(printed, sizeof printed, "%.7f", x);
    if (std::fabs(std::strtod(printed, nullptr)) >= 1e8)
        std::snprintf(printed, sizeof printed, "%.14e", x);
    const double shown = std::strtod(printed, nullptr);
    return std::isinf(shown) ? std::copysign(1.79769313486231e308, x) : shown;
}

class RoundTrip : public ::testing::TestWithParam<NamedSettings> {};

TEST_P(RoundTrip, ResultsOfTheSpecialFormsReadBackAsShown) {
    const NumberSettings& s = GetParam().settings;
    for (double x :
         {0.0, 1e-8, 4.0, 47.12388980384685, 999.99999995, 1e15, 123456789.0, 301592894.7446198,
          999999999999999.7, -1.2345678901234567e18, 1e100, 1.7976931348623157e308}) {
        const std::string text = formatValue(x, s);
        EXPECT_EQ(parseValue(text, s), shownValue(x)) << GetParam().name << " " << text;
        EXPECT_EQ(formatValue(parseValue(text, s), s), text) << GetParam().name;
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, RoundTrip, ::testing::ValuesIn(sampleLocales()),
                         velmora::test::RowName{});

} // namespace
