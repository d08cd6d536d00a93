// An MPFR number of the reference precision that frees itself.
#pragma once

#include <mpfr.h>

namespace velmora::bench {

// Far beyond a double's 53 bits: even where a root halves the correct bits
// (the double root of the surface-volume cubic) over 120 remain.
inline constexpr mpfr_prec_t kExactBits = 256;
inline constexpr mpfr_rnd_t kNearest = MPFR_RNDN;

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

} // namespace velmora::bench
