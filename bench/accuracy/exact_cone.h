// Exact values in MPFR: the exact cone for typed values (the decimal texts
// read at 256 bits, every formula evaluated with the program's pi, the double
// kPi exactly, and its square kPi·kPi exactly, not the rounded kPiSquared), and
// a double result measured against its exact value.
#pragma once

#include "cone_edges.h"
#include "velmora/cone_quantity.h"

#include <mpfr.h>

#include <array>
#include <string>

namespace velmora::bench {

// Far beyond a double's 53 bits: even where a root halves the correct bits
// (the double root of the cubic of S V or L V) over 120 remain.
inline constexpr mpfr_prec_t kExactBits = 256;
inline constexpr mpfr_rnd_t kNearest = MPFR_RNDN;

// An MPFR number that frees itself.
class MpReal {
public:
    MpReal() { mpfr_init2(value_, kExactBits); }
    ~MpReal() { mpfr_clear(value_); }
    MpReal(const MpReal&) = delete;
    MpReal& operator=(const MpReal&) = delete;

    operator mpfr_ptr() { return value_; }
    operator mpfr_srcptr() const { return value_; }

private:
    mpfr_t value_;
};

// |computed − exact| in units of the last place of a double of the exact
// value's size (2^(e − 53) for an exact value in [2^(e−1), 2^e)). Where the
// exact value is 0 (a cone of height or radius 0, on the edge), 0 for 0 and
// infinite for anything else, as for an infinite or NaN result.
double ulpsOff(double computed, mpfr_srcptr exact, mpfr_ptr scratch);

// The value as the display shows it (for values >= 0 in the double range):
// seven decimals, or where these hold more than 15 significant digits (from
// 1e8 on) 15 significant digits and zeros after them, correctly rounded.
std::string shownText(mpfr_srcptr exact);

using ExactValues = std::array<MpReal, kQuantityCount>; // R, L, H, S, V by slot

// How strongly each value reacts to the given ones (0 for a value that is 0):
// the relative condition number |∂ln q/∂ln first| + |∂ln q/∂ln second|. Rounding
// the typed texts to doubles alone moves q by up to about this many ulps.
using Conditions = std::array<double, kQuantityCount>;

struct ExactCone {
    bool exists = false;  // the typed values describe a cone
    bool inRange = false; // each value (of both cones) is 0 or within the normal doubles
    double margin = 1;    // (A − B) / A of the pair's edge; 1 without one
    ExactValues values;   // the cone (of larger radius), when it exists
    ExactValues smaller;  // S V and L V: the cone of smaller radius
    Conditions condition{}, smallerCondition{}; // of the typed values, when the cone exists
};

class ExactConeSolver {
public:
    ExactConeSolver();

    // Fills `out` for pair `pair` (0..9) typed as `first` and `second`.
    void solve(int pair, const char* first, const char* second, ExactCone& out);

private:
    using Step = decltype(&mpfr_add);
    // The cones of the typed values, the one of index `moved` stepped up or down
    // by `step` (if any), without condition numbers; whether they exist.
    bool cones(int pair, ExactCone& out, std::size_t moved = 0, Step step = nullptr);
    void addElasticities(const ExactValues& at, const ExactValues& moved, Conditions& sum);
    double margin(int pair); // of the given values
    void monomial(const Monomial& m, mpfr_ptr out);
    void radiusAndHeight(int pair, ExactValues& cone);
    void twoRoots(mpfr_ptr larger, mpfr_ptr smaller);
    void twoCones(int pair, ExactValues& larger, ExactValues& smaller);
    bool complete(int pair, ExactValues& cone);

    MpReal pi_, twoThirdsPi_;
    std::array<MpReal, 2> typed_, given_; // the values as typed, and as the formulas take them
    ExactCone moved_;                     // the cone of a given value moved a little
    MpReal t_, u_, w_, x_, y_;            // scratch
};

} // namespace velmora::bench
