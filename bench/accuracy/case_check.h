// One typed case through the program's own steps (parse both texts, solve,
// format the five values), measured against the exact cone: the counts that
// decide the goals, per row of the report.
#pragma once

#include "exact_cone.h"
#include "typed_inputs.h"
#include "velmora/cone_solver.h"
#include "velmora/number_settings.h"

#include <iterator>
#include <optional>
#include <string>

namespace velmora::bench {

inline constexpr double kUlpGoal = 4;
inline constexpr double kShownBelow = 1e6; // display texts are checked below this
inline constexpr double kShownExactGoal = 0.9999;
// A case is well conditioned when its margin (cone_edges.h) is at least this.
inline constexpr double kWellConditioned = 1.0 / 16;
// Within this margin of the edge the double arithmetic itself (a few
// roundings of terms of size A) cannot tell a cone from none.
inline constexpr double kNearEdge = 0x1p-44;

// The value of a case with the largest error over its condition number.
struct Worst {
    std::string first, second; // the typed texts
    int quantity = -1;         // the value's slot
    double ulps = 0;           // its error
    double scaled = -1;        // ulps / max(1, condition number)
};

// A row of the report: a pair, or the smaller of the two cones of S V or L V.
struct RowStats {
    long long cases = 0, cones = 0; // cones: cases whose typed values describe one
    // The solver finds no cone where the typed values describe one (within
    // the double range), or a cone where they describe none beyond kNearEdge.
    long long falseNoCone = 0, falseConeFar = 0;
    std::string firstFalse; // the typed texts of the first of those
    Worst worst;
    // Display texts of values below kShownBelow in well-conditioned cones,
    // and those equal to the exact value written the same way.
    long long shown = 0, shownExact = 0;
    long long formatErrors = 0; // formatValue is not the double's own rounding
    long long parseErrors = 0;  // parseValue is not the nearest double
};

// Rows 0..9 are the pairs; then, for each pair with two cones (S V, L V),
// the cone of smaller radius from solveAll.
inline constexpr std::size_t kPairRows = kPairCount;
inline constexpr std::size_t kRowCount = kPairRows + std::size(kTwoConePairs);
using Rows = std::array<RowStats, kRowCount>;

// The row of the smaller cone of `pair`, or nothing where it has one cone.
inline std::optional<std::size_t> smallerConeRow(int pair) {
    for (std::size_t i = 0; i < std::size(kTwoConePairs); ++i)
        if (kTwoConePairs[i].number == pair)
            return kPairRows + i;
    return std::nullopt;
}

// The pair of row `row`.
inline int pairOfRow(std::size_t row) {
    return row < kPairRows ? static_cast<int>(row) : kTwoConePairs[row - kPairRows].number;
}

class CaseChecker {
public:
    // Adds the case to `row`; for S V and L V also the cone of smaller radius
    // that solveAll gives to `smallerRow`.
    void check(int pair, const TypedCase& typed, RowStats& row, RowStats& smallerRow);

private:
    void tally(const TypedCase& typed, bool exists, const ExactValues& exact,
               const Conditions& condition, const ConeValues* computed, RowStats& row);

    const NumberSettings plain_ = plainNumberSettings();
    ConeSolver solver_;
    ExactConeSolver exactSolver_;
    ExactCone exact_;
    MpReal scratch_;
};

} // namespace velmora::bench
