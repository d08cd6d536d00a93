// MPFR numbers of the reference precision, and a double result measured
// against its exact value.
#pragma once

#include <mpfr.h>

#include <cmath>
#include <limits>
#include <string>

namespace velmora::bench {

// Far beyond a double's 53 bits: even where a root halves the correct bits
// (the double root of the surface-volume cubic) over 120 remain.
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
// value's size (2^(e − 53) for an exact value in [2^(e−1), 2^e)). `exact`
// is not 0; an infinite or NaN result is infinitely far.
inline double ulpsOff(double computed, mpfr_srcptr exact, mpfr_ptr scratch) {
    if (!std::isfinite(computed))
        return std::numeric_limits<double>::infinity();
    mpfr_set_d(scratch, computed, kNearest);
    mpfr_sub(scratch, scratch, exact, kNearest);
    mpfr_mul_2si(scratch, scratch, std::numeric_limits<double>::digits - mpfr_get_exp(exact),
                 kNearest);
    return std::fabs(mpfr_get_d(scratch, kNearest));
}

// The value in fixed point with seven decimals, correctly rounded (to
// nearest, ties to even): what the display should show.
inline std::string sevenDecimals(mpfr_srcptr exact) {
    char buffer[64];
    mpfr_snprintf(buffer, sizeof buffer, "%.7RNf", exact);
    return buffer;
}

// The same for the exact binary value of the double `value`.
inline std::string sevenDecimals(double value, mpfr_ptr scratch) {
    mpfr_set_d(scratch, value, kNearest);
    return sevenDecimals(scratch);
}

} // namespace velmora::bench
