// The steps by which each combination's missing quantities follow from its
// two given ones, as formulas in the window's symbols: the one table that
// the fields' tooltips and the solution window both write from.
#pragma once

#include "velmora/cone_quantity.h"
#include "velmora/cone_solver.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace velmora::solution_steps {

// The quantities, in slot order, and the values on the way to them: the
// shape q of a cubic, and its root, y = R/L or t = H/L.
enum class Term { R, L, H, S, V, q, y, t };
constexpr std::string_view kTermNames = "RLHSVqyt";
constexpr std::size_t kTermCount = kTermNames.size();

constexpr std::size_t indexOf(Term term) {
    return static_cast<std::size_t>(term);
}
constexpr std::optional<Term> termNamed(char name) {
    const auto at = kTermNames.find(name);
    if (at == std::string_view::npos)
        return std::nullopt;
    return static_cast<Term>(at);
}
constexpr bool isQuantity(Term term) {
    return indexOf(term) < kQuantityCount;
}

enum class StepKind {
    Value,    // gives a term by its formula
    Equation, // an equation that the cone solves
    Root,     // gives a term as a root of its equation
};

// A formula names a term in braces, "√({L}² − {R}²)", where its number is put
// in; letters outside braces stay symbols ("R⁴" in an equation in R).
struct Step {
    StepKind kind = StepKind::Value;
    Term gives = Term::R;
    std::string_view formula; // empty: no step
    std::string_view meaning; // of a root, in the quantities: "R/L"
};

constexpr Step value(Term gives, std::string_view formula) {
    return {StepKind::Value, gives, formula, {}};
}
constexpr Step equation(std::string_view formula) {
    return {StepKind::Equation, Term::R, formula, {}};
}
constexpr Step root(Term gives, std::string_view formula, std::string_view meaning) {
    return {StepKind::Root, gives, formula, meaning};
}

// The steps of each combination, in the order the solver computes its
// quantities; where it solves an equation, the equation and the relations
// that the cone found satisfies.
struct PairSteps {
    int pair;
    std::array<Step, 5> steps;
};

using T = Term;
constexpr std::string_view kLateralSurface = "π·{R}·{L}";
constexpr std::string_view kVolume = "π·{R}²·{H}/3";

constexpr PairSteps kSteps[] = {
    {0, {{value(T::H, "√({L}² − {R}²)"), value(T::S, kLateralSurface), value(T::V, kVolume)}}},
    {1, {{value(T::L, "√({R}² + {H}²)"), value(T::S, kLateralSurface), value(T::V, kVolume)}}},
    {2, {{value(T::L, "{S}/(π·{R})"), value(T::H, "√({L}² − {R}²)"), value(T::V, kVolume)}}},
    {3,
     {{value(T::H, "3·{V}/(π·{R}²)"), value(T::L, "√({R}² + {H}²)"),
       value(T::S, kLateralSurface)}}},
    {4, {{value(T::R, "√({L}² − {H}²)"), value(T::S, kLateralSurface), value(T::V, kVolume)}}},
    {5, {{value(T::R, "{S}/(π·{L})"), value(T::H, "√({L}² − {R}²)"), value(T::V, kVolume)}}},
    {6,
     {{equation("π²·R⁴ + π²·{H}²·R² − {S}² = 0"), value(T::R, "√((√({H}⁴ + 4·{S}²/π²) − {H}²)/2)"),
       value(T::L, "√({H}² + {R}²)"), value(T::V, kVolume)}}},
    {7,
     {{value(T::R, "√(3·{V}/(π·{H}))"), value(T::L, "√({H}² + {R}²)"),
       value(T::S, kLateralSurface)}}},
    {8,
     {{value(T::q, "9·π·{V}²/{S}³"), root(T::y, "y³ − y + {q} = 0", "R/L"),
       value(T::R, "√({S}·{y}/π)"), value(T::L, "{S}/(π·{R})"), value(T::H, "3·{V}/(π·{R}²)")}}},
    {9,
     {{value(T::q, "3·{V}/(π·{L}³)"), root(T::t, "t³ − t + {q} = 0", "H/L"), value(T::H, "{t}·{L}"),
       value(T::R, "√({L}² − {H}²)"), value(T::S, kLateralSurface)}}},
};

constexpr const PairSteps* stepsOf(int pair) {
    for (const PairSteps& row : kSteps)
        if (row.pair == pair)
            return &row;
    return nullptr;
}

// Every combination has its steps; they compute its three missing
// quantities, each once, and put in only numbers known by then.
// Whether the combination can have two cones; by number, as a comparison of
// addresses is not a constant expression under the sanitizers.
constexpr bool hasTwoCones(int pair) {
    for (const TwoConePair& p : kTwoConePairs)
        if (p.number == pair)
            return true;
    return false;
}

constexpr bool stepsAgreeWithThePairs() {
    for (const GivenPair& pair : kListedPairs) {
        const PairSteps* row = stepsOf(pair.number);
        if (row == nullptr)
            return false;
        std::array<bool, kTermCount> known{};
        known[static_cast<std::size_t>(slotOf(pair.first))] = true;
        known[static_cast<std::size_t>(slotOf(pair.second))] = true;
        int computed = 0;
        for (const Step& step : row->steps) {
            const std::string_view f = step.formula;
            for (auto at = f.find('{'); at != std::string_view::npos; at = f.find('{', at + 1)) {
                const std::optional<Term> term =
                    at + 2 < f.size() ? termNamed(f[at + 1]) : std::nullopt;
                if (!term || f[at + 2] != '}' || !known[indexOf(*term)])
                    return false;
            }
            if (f.empty() || step.kind == StepKind::Equation)
                continue;
            // Values on the way are those of a cubic that the library gives.
            if (!isQuantity(step.gives) && !hasTwoCones(pair.number))
                return false;
            if (known[indexOf(step.gives)])
                return false;
            known[indexOf(step.gives)] = true;
            computed += isQuantity(step.gives) ? 1 : 0;
        }
        if (computed != 3)
            return false;
    }
    return true;
}
static_assert(stepsAgreeWithThePairs());

} // namespace velmora::solution_steps
