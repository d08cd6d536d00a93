#include "velmora/value_text.h"

#include "locale_settings.h"
#include "table_rows.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>

namespace {

using namespace velmora;
using velmora::testing::NamedSettings;
using velmora::testing::sampleLocales;

// x rounded to seven decimals, as the nearest double.
double roundedToDisplay(double x) {
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed,
                                   kDisplayedDecimals)
                         .ptr;
    double back = 0;
    std::from_chars(buffer, end, back);
    return back;
}

class RoundTrip : public ::testing::TestWithParam<NamedSettings> {};

TEST_P(RoundTrip, ResultsOfTheSpecialFormsReadBack) {
    const NumberSettings& s = GetParam().settings;
    for (double x : {0.0, 1e-8, 4.0, 47.12388980384685, 999.99999995, 1e15, 123456789.0})
        EXPECT_EQ(parseValue(formatValue(x, s), s), roundedToDisplay(x)) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Locales, RoundTrip, ::testing::ValuesIn(sampleLocales()),
                         velmora::test::RowName{});

} // namespace
