#include "exact_compare.h"

#include <cmath>
#include <limits>

namespace velmora::bench {

double ulpsOff(double computed, mpfr_srcptr exact, mpfr_ptr scratch) {
    if (!std::isfinite(computed))
        return std::numeric_limits<double>::infinity();
    constexpr int kDoubleBits = std::numeric_limits<double>::digits; // 53
    mpfr_set_d(scratch, computed, kNearest);
    mpfr_sub(scratch, scratch, exact, kNearest);
    mpfr_mul_2si(scratch, scratch, kDoubleBits - mpfr_get_exp(exact), kNearest);
    return std::fabs(mpfr_get_d(scratch, kNearest));
}

std::string sevenDecimals(mpfr_srcptr exact) {
    char buffer[64];
    mpfr_snprintf(buffer, sizeof buffer, "%.7RNf", exact);
    return buffer;
}

std::string sevenDecimals(double value, mpfr_ptr scratch) {
    mpfr_set_d(scratch, value, kNearest);
    return sevenDecimals(scratch);
}

} // namespace velmora::bench
