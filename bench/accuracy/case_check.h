// One typed case through the program's own steps (parse both texts, solve,
// format the five values), measured against the exact cone.
#pragma once

#include "exact_cone.h"
#include "report.h"
#include "typed_inputs.h"
#include "velmora/cone_solver.h"
#include "velmora/number_settings.h"

namespace velmora::bench {

class CaseChecker {
public:
    // Adds the case to `row`; for S V and L V (pairs 8 and 9) also the
    // cone of smaller radius that solveAll gives to `smallerRow`.
    void check(int pair, const TypedCase& typed, RowStats& row, RowStats& smallerRow);

private:
    // One cone of the case as exact arithmetic sees it.
    struct Verdict {
        bool exists, existsParsed;      // for the typed values, for the doubles they parse to
        const ExactValues& exact;       // the cone of the typed values, when it exists
        const Conditions& condition;    // of its values
        const ExactValues& parsedExact; // that of the parsed doubles, when they have one
    };

    void tally(const TypedCase& typed, const Verdict& verdict, const ConeValues* computed,
               RowStats& row);
    void compare(const TypedCase& typed, const Verdict& verdict, const ConeValues& computed,
                 RowStats& row);

    const NumberSettings plain_ = plainNumberSettings();
    ConeSolver solver_;
    ExactConeSolver exactSolver_;
    ExactCone exact_;  // of the typed values
    ExactCone parsed_; // of the parsed doubles
    MpReal scratch_;
};

} // namespace velmora::bench
