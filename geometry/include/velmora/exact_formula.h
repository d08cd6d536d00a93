// The exact value of a worked solution's formula with the given values put
// in: "√({L}² − {R}²)" with L = 5 and R = 3 is 4, under the root 16.
#pragma once

#include "velmora/exact_value.h"
#include "velmora/formula_grammar.h"

#include <functional>
#include <optional>
#include <string_view>

namespace velmora {

// The value that the letter of "{R}" stands for; nothing where it has no
// exact form (a value found by solving a cubic) or is not known.
using ExactLookup = std::function<std::optional<ExactValue>(char letter)>;

struct ExactResult {
    // The formula's value; nothing where a letter has no value or a step
    // leaves the form (see ExactValue).
    std::optional<ExactValue> value;
    // For a formula that is a root as a whole (formula::rootOperand): the
    // value under the root, where it has a form, even where its root has
    // none. Nothing for any other formula.
    std::optional<ExactValue> underRoot;
};

// `formula` is one of formula_grammar.h: a text that is not gives an empty
// result, so a table of formulas checks them with
// static_assert(formula::isFormula(...)). Each letter is looked up as often
// as it occurs.
ExactResult evaluateExact(std::string_view formula, const ExactLookup& lookup);

// The same formula in doubles, with `pi` for π (the program's kPi, or 3,14
// as a pupil takes it by hand) and each letter's value from `lookup`; NaN
// for a text that is not a formula.
using DoubleLookup = std::function<double(char letter)>;
double evaluateDouble(std::string_view formula, double pi, const DoubleLookup& lookup);

} // namespace velmora
