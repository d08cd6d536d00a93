// Round scales of the drawing on screen and of the net on paper: the
// largest that does not exceed the room, the next one below it, and the
// scale as it is written, in a unit and without one, up to scales beyond
// the range of doubles.
#include "drawn_number.h"
#include "round_scale.h"
#include "table_rows.h"
#include "user_actions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora::test {
namespace {

struct ScaleCase {
    const char* name;
    const ScaleSteps* steps;
    LengthUnit unit;
    double log10Room; // of the millimetres a unit may be drawn at
    const char* text;
};

class RoundScales : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(RoundScales, AreTheLargestThatFitAndWrittenAsDrawingsWriteThem) {
    const ScaleCase& c = GetParam();
    const RoundScale scale = RoundScale::largestWithin(c.log10Room, c.unit, *c.steps);
    EXPECT_EQ(scale.text(bulgarianSettings()).toStdString(), c.text);
    EXPECT_LE(scale.log10Millimetres(), c.log10Room + 1e-9);
    // Nothing round lies between it and the room, and the next one is smaller.
    const RoundScale next = scale.nextSmaller(*c.steps);
    EXPECT_LT(next.log10Millimetres(), scale.log10Millimetres() - 1e-3);
    EXPECT_EQ(RoundScale::largestWithin(c.log10Room, c.unit, *c.steps).text(bulgarianSettings()),
              RoundScale::largestWithin(scale.log10Millimetres(), c.unit, *c.steps)
                  .text(bulgarianSettings()));
}

const ScaleSteps* const paper = &kPaperScales;
const ScaleSteps* const screen = &kScreenScales;
constexpr LengthUnit cm = LengthUnit::Centimetre;
constexpr LengthUnit none = LengthUnit::None;
const double lg2 = std::log10(2.0);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rooms, RoundScales, ::testing::Values(
    ScaleCase{"paper_real_size_exactly", paper, cm, 1, "мащаб 1:1"},
    ScaleCase{"paper_just_short_of_2_1", paper, cm, 1 + std::log10(1.999), "мащаб 1:1"},
    ScaleCase{"paper_enlarged_2_1", paper, cm, 1 + lg2, "мащаб 2:1"},
    ScaleCase{"paper_no_25_1", paper, cm, 1 + std::log10(49.9), "мащаб 20:1"},
    ScaleCase{"paper_half_exactly", paper, cm, std::log10(5.0), "мащаб 1:2"},
    ScaleCase{"paper_just_under_half", paper, cm, std::log10(4.9), "мащаб 1:2,5"},
    ScaleCase{"paper_under_1_2_5", paper, cm, std::log10(3.9), "мащаб 1:5"},
    ScaleCase{"paper_a_map", paper, cm, std::log10(4e-4), "мащаб 1:25\u00a0000"},
    ScaleCase{"paper_beyond_doubles", paper, LengthUnit::Metre, -330, "мащаб 1:10³³³"},
    ScaleCase{"paper_enlarged_beyond_doubles", paper, LengthUnit::Millimetre, 330.5, "мащаб 2·10³³⁰:1"},
    ScaleCase{"paper_unit_a_centimetre", paper, none, 1 + std::log10(1.999), "мащаб: 1 единица за дължина = 1 cm"},
    ScaleCase{"paper_unit_2_5_cm", paper, none, std::log10(499.0), "мащаб: 1 единица за дължина = 25 cm"},
    ScaleCase{"paper_unit_2_5_mm", paper, none, std::log10(4.9), "мащаб: 1 единица за дължина = 2,5 mm"},
    ScaleCase{"paper_unit_tiny", paper, none, -299, "мащаб: 1 единица за дължина = 10⁻²⁹⁹ mm"},
    ScaleCase{"screen_enlarged_1_2", screen, cm, std::log10(13.0), "мащаб 1,2:1"},
    ScaleCase{"screen_reduced_1_1_5", screen, cm, std::log10(7.0), "мащаб 1:1,5"},
    ScaleCase{"screen_reduced_1_8", screen, LengthUnit::Metre, std::log10(130.0), "мащаб 1:8"},
    ScaleCase{"screen_unit_in_mm", screen, none, std::log10(0.7), "мащаб: 1 единица за дължина = 0,6 mm"},
    ScaleCase{"screen_unit_in_cm", screen, none, std::log10(13.0), "мащаб: 1 единица за дължина = 1,2 cm"}),
    rowName);
// clang-format on

struct NumberCase {
    const char* name;
    double mantissa;
    int exponent;
    const char* text;
};

class DrawnNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(DrawnNumbers, ArePlainWhereShortAndPowersOfTenOtherwise) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(drawnNumberText(c.mantissa, c.exponent, bulgarianSettings()).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Numbers, DrawnNumbers,
                         ::testing::Values(NumberCase{"short", 2.5, 0, "2,5"},
                                           NumberCase{"grouped", 2.5, 4, "25\u00a0000"},
                                           NumberCase{"eight_digits", 1.73, 8,
                                                      "173\u00a0000\u00a0000"},
                                           NumberCase{"nine_digits", 1.73, 9, "1,73·10⁹"},
                                           NumberCase{"shown_decimals", 4, -4, "0,0004"},
                                           NumberCase{"hidden_decimals", 1.73, -6, "1,73·10⁻⁶"},
                                           NumberCase{"a_power_alone", 1, -299, "10⁻²⁹⁹"},
                                           NumberCase{"beyond_doubles", 5, 400, "5·10⁴⁰⁰"},
                                           NumberCase{"zero", 0, 0, "0"}),
                         rowName);

} // namespace
} // namespace velmora::test
