#include "velmora/constants.h"
#include "velmora/exact_formula.h"
#include "velmora/exact_text.h"

#include "exact_parts.h"
#include "table_rows.h"
#include "ulps.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <string_view>

namespace {

using namespace velmora;
using velmora::test::exact;
using velmora::test::Parts;
using velmora::test::rowName;

// Every formula that the worked solution computes a quantity with.
constexpr std::string_view kSolutionFormulas[] = {
    "√({L}² − {R}²)",    "√({R}² + {H}²)",
    "√({L}² − {H}²)",    "√({H}² + {R}²)",
    "π·{R}·{L}",         "π·{R}²·{H}/3",
    "{S}/(π·{R})",       "{S}/(π·{L})",
    "3·{V}/(π·{R}²)",    "√((√({H}⁴ + 4·{S}²/π²) − {H}²)/2)",
    "√(3·{V}/(π·{H}))",  "9·π·{V}²/{S}³",
    "√({S}·{y}/π)",      "3·{V}/(π·{L}³)",
    "{t}·{L}",           "π·{R}²",
    "π·{R}·({R} + {L})", "{R}·{H}",
    "360°·{R}/{L}",      "√{S}",
};
constexpr bool allFormulas() {
    for (std::string_view f : kSolutionFormulas)
        if (!formula::isFormula(f))
            return false;
    return true;
}
static_assert(allFormulas());

TEST(FormulaGrammar, RefusesWhatIsNotAFormula) {
    for (std::string_view text :
         {"", "2π", "{R}{L}", "R + 1", "{RL}", "{1}", "π·", "({R}", "{R})", "√{L}²)", "{R} −",
          "−{R}", "3·{V}/(π·{R}²", "√", "y³ − y + {q} = 0", "{R}²²·", "2,5"})
        EXPECT_FALSE(formula::isFormula(text)) << text;
}

TEST(FormulaGrammar, FindsTheOperandOfAWholeRoot) {
    const struct {
        std::string_view formula;
        std::optional<std::string_view> operand;
    } rows[] = {
        {"√({L}² − {R}²)", "{L}² − {R}²"}, {" √{S} ", "{S}"},       {"√((1)·(2))", "(1)·(2)"},
        {"√(2)·√(3)", std::nullopt},       {"√(2)²", std::nullopt}, {"{R}", std::nullopt},
        {"√{S}·2", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(formula::rootOperand(row.formula), row.operand) << row.formula;
}

struct FormulaCase {
    const char* name;
    std::string_view formula;
    std::map<char, std::optional<Parts>> given; // nothing: a value without a form
    const char* value;                          // nullptr: no exact form
    const char* underRoot;
};

class Formula : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(Formula, IsExactWhereEveryStepIs) {
    const FormulaCase& c = GetParam();
    std::map<char, double> doubles;
    const ExactResult result = evaluateExact(c.formula, [&](char letter) {
        const std::optional<Parts>& parts = c.given.at(letter);
        return parts ? std::optional(exact(*parts)) : std::nullopt;
    });
    auto text = [](const std::optional<ExactValue>& v) {
        return v ? exactText(*v) : std::string("(none)");
    };
    EXPECT_EQ(text(result.value), c.value ? c.value : "(none)");
    EXPECT_EQ(text(result.underRoot), c.underRoot ? c.underRoot : "(none)");
    if (!result.value)
        return;
    for (const auto& [letter, parts] : c.given)
        doubles[letter] = exact(*parts).toDouble();
    // The same formula in doubles, with the program's π.
    const double computed =
        evaluateDouble(c.formula, kPi, [&](char letter) { return doubles.at(letter); });
    EXPECT_LE(test::ulpsBetween(result.value->toDouble(), computed), 4U)
        << result.value->toDouble() << " " << computed;
}

constexpr Parts kPiTimes(std::int64_t n) {
    return {n, 1, 1, 1};
}
const std::optional<Parts> kNoForm;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Formula, ::testing::Values(
    FormulaCase{"RL_height", "√({L}² − {R}²)", {{'R', Parts{3}}, {'L', Parts{5}}}, "4", "16"},
    FormulaCase{"RL_surface", "π·{R}·{L}", {{'R', Parts{3}}, {'L', Parts{5}}}, "15π", nullptr},
    FormulaCase{"RL_volume", "π·{R}²·{H}/3", {{'R', Parts{3}}, {'H', Parts{4}}}, "12π", nullptr},
    FormulaCase{"RH_slant", "√({R}² + {H}²)", {{'R', Parts{3}}, {'H', Parts{3}}}, "3√2", "18"},
    FormulaCase{"RH_surface", "π·{R}·{L}", {{'R', Parts{3}}, {'L', Parts{3, 1, 2}}}, "9√2·π", nullptr},
    FormulaCase{"RH_volume", "π·{R}²·{H}/3", {{'R', Parts{3}}, {'H', Parts{3}}}, "9π", nullptr},
    FormulaCase{"RH_unit_slant", "√({R}² + {H}²)", {{'R', Parts{1}}, {'H', Parts{1}}}, "√2", "2"},
    FormulaCase{"RH_unit_volume", "π·{R}²·{H}/3", {{'R', Parts{1}}, {'H', Parts{1}}}, "π/3", nullptr},
    FormulaCase{"LS_radius", "{S}/(π·{L})", {{'L', Parts{10}}, {'S', kPiTimes(60)}}, "6", nullptr},
    FormulaCase{"LS_height", "√({L}² − {R}²)", {{'R', Parts{6}}, {'L', Parts{10}}}, "8", "64"},
    FormulaCase{"LS_volume", "π·{R}²·{H}/3", {{'R', Parts{6}}, {'H', Parts{8}}}, "96π", nullptr},
    FormulaCase{"HS_radius", "√((√({H}⁴ + 4·{S}²/π²) − {H}²)/2)", {{'H', Parts{4}}, {'S', kPiTimes(15)}}, "3", "9"},
    FormulaCase{"HS_slant", "√({H}² + {R}²)", {{'H', Parts{4}}, {'R', Parts{3}}}, "5", "25"},
    FormulaCase{"HV_radius", "√(3·{V}/(π·{H}))", {{'H', Parts{4}}, {'V', kPiTimes(12)}}, "3", "9"},
    FormulaCase{"base", "π·{R}²", {{'R', Parts{3}}}, "9π", nullptr},
    FormulaCase{"total_surface", "π·{R}·({R} + {L})", {{'R', Parts{3}}, {'L', Parts{5}}}, "24π", nullptr},
    FormulaCase{"net_angle", "360°·{R}/{L}", {{'R', Parts{3}}, {'L', Parts{5}}}, "216", nullptr},
    FormulaCase{"axial_section", "{R}·{H}", {{'R', Parts{3}}, {'H', Parts{4}}}, "12", nullptr},
    FormulaCase{"tenths", "π·{R}²·{H}/3", {{'R', Parts{1, 10}}, {'H', Parts{3, 10}}}, "π/1000", nullptr},
    FormulaCase{"flat_cone", "√({L}² − {R}²)", {{'R', Parts{3}}, {'L', Parts{3}}}, "0", "0"},
    FormulaCase{"ten_digits", "π·{R}·{L}", {{'R', Parts{99'999}}, {'L', Parts{100'001}}}, "9999999999π", nullptr},
    FormulaCase{"eleven_digits", "π·{R}·{L}", {{'R', Parts{100'000}}, {'L', Parts{100'000}}}, nullptr, nullptr},
    FormulaCase{"unlike_terms", "π·{R}·({R} + {L})", {{'R', Parts{1}}, {'L', Parts{1, 1, 2}}}, nullptr, nullptr},
    FormulaCase{"fourth_root", "√(3·{V}/(π·{H}))", {{'H', Parts{1}}, {'V', Parts{1, 1, 2, 1}}}, nullptr, "3√2"},
    FormulaCase{"cubic_root_given", "√({S}·{y}/π)", {{'S', kPiTimes(15)}, {'y', kNoForm}}, nullptr, nullptr},
    FormulaCase{"not_a_formula", "√({L}² − {R}²", {{'R', Parts{3}}, {'L', Parts{5}}}, nullptr, nullptr}),
    rowName);
// clang-format on

} // namespace
