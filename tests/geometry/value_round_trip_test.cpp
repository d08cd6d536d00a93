#include "velmora/value_text.h"

#include "locale_settings.h"
#include "table_rows.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
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

// What a field shows reads back as the number it shows, so pressing
// Calculate twice computes the same cone.
TEST_P(RoundTrip, FormattedValuesReadBackAsShown) {
    const NumberSettings& s = GetParam().settings;
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> exponent(-9, 12);
    for (int i = 0; i < 20000; ++i) {
        double x = std::pow(10.0, exponent(random));
        if (i % 3 == 0)
            x = -x;
        if (i % 7 == 0)
            x = std::round(x);
        const std::string text = formatValue(x, s);
        ASSERT_EQ(parseValue(text, s), roundedToDisplay(x)) << GetParam().name << " " << text;
        // Writing what was read gives the same text again.
        ASSERT_EQ(formatValue(parseValue(text, s), s), text);
    }
}

TEST_P(RoundTrip, ResultsOfTheSpecialFormsReadBack) {
    const NumberSettings& s = GetParam().settings;
    for (double x : {0.0, 1e-8, 4.0, 47.12388980384685, 999.99999995, 1e15, 123456789.0})
        EXPECT_EQ(parseValue(formatValue(x, s), s), roundedToDisplay(x)) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Locales, RoundTrip, ::testing::ValuesIn(sampleLocales()),
                         velmora::test::RowName{});

} // namespace
