// The solution of a calculation as a Bulgarian textbook writes it: «Дадено:»,
// «Търси се:», «Решение:» with one line per step (the formula in letters,
// the numbers put in, the exact form where there is one, then ≈ and the
// value as its field shows it), the quantities pupils are also asked for,
// and «Отговор:». What the solution window shows and copies.
#pragma once

#include "length_unit.h"

#include "velmora/cone_quantity.h"
#include "velmora/cone_solver.h"
#include "velmora/exact_value.h"
#include "velmora/number_settings.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace velmora::textbook {

// A given value: as the user typed it, and its exact value where the text
// has one ("60π", "0,1", "3√2").
struct GivenValue {
    QString typed;
    std::optional<ExactValue> exact;
};

struct Problem {
    GivenPair pair;
    // The cone the fields show, then the other one with the same given
    // values where the user is told of it (S V, L V).
    std::vector<ConeValues> cones;
    std::array<GivenValue, 2> given; // of pair.first, pair.second
    NumberSettings settings;
    // π taken as 3,14 and every answer rounded to hundredths, as a pupil
    // computes by hand; the exact forms stay.
    bool handCalculation = false;
    // The unit the lengths are given in: the values, each step's result and
    // the answers carry it ("15π ≈ 47,1238898 cm²"); angles stay in degrees.
    LengthUnit unit = LengthUnit::None;
};

// The solution's lines.
QStringList solution(const Problem& problem);

// The given values as «Дадено:» writes them: "R = 3 cm; L = 5 cm".
QString givenValues(const Problem& problem);

// The title of cone `index` (0 or 1) where a solution has two:
// "Първи конус (с по-голям радиус)".
QString coneTitle(std::size_t index);

// What the window says when there is no solution to show: before any
// calculation, or after a field has changed since the last one.
QString noSolutionYet();
QString solutionOutdated();

} // namespace velmora::textbook
