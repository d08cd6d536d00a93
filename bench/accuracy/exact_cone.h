// The exact cone for typed values: the decimal texts read at 256 bits and
// every formula evaluated with the program's pi (the double kPi, exactly;
// its square kPi·kPi exactly, not the rounded kPiSquared).
#pragma once

#include "cone_edges.h"
#include "mp_real.h"
#include "velmora/cone_quantity.h"

#include <array>

namespace velmora::bench {

using ExactValues = std::array<MpReal, kQuantityCount>; // R, L, H, S, V by slot

// How strongly each value reacts to the given ones: the relative condition
// number |∂ln q/∂ln first| + |∂ln q/∂ln second|. Rounding the typed texts
// to doubles alone moves q by up to about this many ulps. 0 for a value that
// is exactly 0.
using Conditions = std::array<double, kQuantityCount>;

struct ExactCone {
    bool exists = false;  // the typed values describe a cone
    bool inRange = false; // each value (of both cones) is 0 or within the normal doubles
    double margin = 1;    // (A − B) / A of the pair's edge; 1 without one
    ExactValues values;   // the cone (of larger radius), when it exists
    ExactValues smaller;  // surface and volume: the cone of smaller radius
    Conditions condition{}, smallerCondition{}; // of the typed values, when the cone exists
};

class ExactConeSolver {
public:
    ExactConeSolver();

    // Fills `out` for pair `pair` (0..8) typed as `first` and `second`.
    void solve(int pair, const char* first, const char* second, ExactCone& out);

    // The same, without condition numbers, for the doubles the texts parse
    // to: the typing's rounding left out, what remains of an error is the solver's.
    void solveParsed(int pair, double first, double second, ExactCone& out);

private:
    void solveGiven(int pair, ExactCone& out); // from first_ and second_
    void conditions(int pair, ExactCone& out);
    void addElasticities(const ExactValues& at, const ExactValues& moved, Conditions& sum);
    double margin(int pair, mpfr_srcptr first, mpfr_srcptr second);
    void monomial(const Monomial& m, mpfr_srcptr first, mpfr_srcptr second, mpfr_ptr out);
    void radiusAndHeight(int pair, ExactValues& cone);
    void surfaceVolumeRadiusSquares(mpfr_ptr larger, mpfr_ptr smaller);
    void complete(int pair, ExactValues& cone);

    MpReal pi_, truePi_, sqrt3_;
    MpReal first_, second_; // the given values
    MpReal typedFirst_, typedSecond_;
    ExactCone moved_;  // the cone of a given value moved a little
    MpReal t_, u_, w_; // scratch
};

} // namespace velmora::bench
