// Double arithmetic that remembers the first failure of a calculation:
// a square root of a negative number, or a division by zero.
#pragma once

#include "velmora/cone_solver.h"

#include <cmath>
#include <limits>

namespace velmora::detail {

class CheckedArithmetic {
public:
    // The square root of `x`; a negative `x` (as computed, after rounding)
    // means the values describe no cone. Zero is fine: its root is 0.
    double root(double x) {
        if (x < 0.0) {
            fail(SolveFailure::NoCone);
            return 0.0;
        }
        return std::sqrt(x);
    }

    // `numerator` / `divisor`. The divisor is a product of tiny positive
    // values that underflowed when it is below the normal range: it has lost
    // digits (all of them at zero), and the quotient would show them wrong.
    double divide(double numerator, double divisor) {
        if (divisor < std::numeric_limits<double>::min()) {
            fail(SolveFailure::DivisorUnderflow);
            return 0.0;
        }
        return numerator / divisor;
    }

    void fail(SolveFailure why) {
        if (failure_ == SolveFailure::None)
            failure_ = why;
    }

    SolveFailure failure() const { return failure_; }

private:
    SolveFailure failure_ = SolveFailure::None;
};

} // namespace velmora::detail
