// The parts of an exact value while an operation works on them: wide enough
// that a product of three parts below ten digits cannot overflow, so that
// the limits are checked once, on the result in lowest terms.
#pragma once

#include "velmora/exact_value.h"

#include <optional>

namespace velmora::detail {

__extension__ typedef __int128 Wide;

inline Wide magnitude(Wide x) {
    return x < 0 ? -x : x;
}

inline Wide greatestCommonDivisor(Wide a, Wide b) {
    a = magnitude(a);
    b = magnitude(b);
    while (b != 0) {
        const Wide rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

// numerator/denominator·√radicand·π^piPower, not yet reduced; the radicand
// is square-free already.
struct Parts {
    Wide numerator = 0;
    Wide denominator = 1;
    Wide radicand = 1;
    int piPower = 0;
};

struct ExactAccess {
    static Parts partsOf(const ExactValue& v) {
        return {v.numerator_, v.denominator_, v.radicand_, v.piPower_};
    }

    // The value in lowest terms, or nothing for a zero denominator or a part
    // beyond the limits.
    static std::optional<ExactValue> reduced(Parts p) {
        if (p.denominator == 0)
            return std::nullopt;
        if (p.numerator == 0)
            return ExactValue{};
        if (p.denominator < 0) {
            p.numerator = -p.numerator;
            p.denominator = -p.denominator;
        }
        const Wide common = greatestCommonDivisor(p.numerator, p.denominator);
        p.numerator /= common;
        p.denominator /= common;
        constexpr Wide limit = ExactValue::kPartLimit;
        if (magnitude(p.numerator) >= limit || p.denominator >= limit || p.radicand >= limit ||
            p.piPower > ExactValue::kPiPowerLimit || p.piPower < -ExactValue::kPiPowerLimit)
            return std::nullopt;
        ExactValue v;
        v.numerator_ = static_cast<std::int64_t>(p.numerator);
        v.denominator_ = static_cast<std::int64_t>(p.denominator);
        v.radicand_ = static_cast<std::int64_t>(p.radicand);
        v.piPower_ = p.piPower;
        return v;
    }
};

} // namespace velmora::detail
