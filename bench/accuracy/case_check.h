// One typed case through the program's own steps (parse both texts, solve,
// format the five values), measured against the exact cone: the counts that
// decide the goals.
#pragma once

#include "exact_cone.h"
#include "typed_inputs.h"
#include "velmora/cone_solver.h"
#include "velmora/number_settings.h"

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

// What the cases add up to; a case is named as "8 S V 12.5, 7",
// with "8*" for the smaller of the two cones of S V or L V.
struct Tally {
    long long cases = 0;
    // The solver finds no cone where the typed values describe one (within
    // the double range), or a cone where they describe none beyond kNearEdge.
    long long falseNoCone = 0, falseConeFar = 0;
    std::string firstFalse;
    // The largest error in ulps over the value's condition number (at least 1).
    double worstScaled = -1;
    std::string worst; // its case, quantity and error
    // Display texts of values below kShownBelow in well-conditioned cones,
    // and those equal to the exact value written the same way.
    long long shown = 0, shownExact = 0;
    long long formatErrors = 0; // formatValue is not the double's own rounding
    long long parseErrors = 0;  // parseValue is not the nearest double
};

class CaseChecker {
public:
    // Adds the case to `tally`; for S V and L V also the cone of smaller
    // radius that solveAll gives.
    void check(int pair, const TypedCase& typed, Tally& tally);

private:
    // Adds the cone of larger or of smaller radius against `computed`.
    void compare(bool smaller, const ConeValues* computed, Tally& tally);
    std::string caseName(bool smaller) const;

    const NumberSettings plain_ = plainNumberSettings();
    ConeSolver solver_;
    ExactConeSolver exactSolver_;
    ExactCone exact_;
    MpReal scratch_;
    int pair_ = 0; // the case being checked
    const TypedCase* typed_ = nullptr;
};

} // namespace velmora::bench
