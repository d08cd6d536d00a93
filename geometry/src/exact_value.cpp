#include "velmora/exact_value.h"

#include "exact_parts.h"

#include "velmora/constants.h"

#include <cmath>
#include <cstdlib>

namespace velmora {
namespace {

using detail::ExactAccess;
using detail::Parts;
using detail::Wide;

// x = root²·free with `free` square-free, for 1 ≤ x < 10¹⁰.
struct SquareSplit {
    std::int64_t root = 1;
    std::int64_t free = 1;
};

SquareSplit splitSquares(std::int64_t x) {
    SquareSplit s;
    // Trial divisors up to the cube root of what is left: after them, what
    // is left has at most two prime factors, so it is a square or square-free.
    for (std::int64_t p = 2; p * p * p <= x; ++p) {
        while (x % (p * p) == 0) {
            x /= p * p;
            s.root *= p;
        }
        if (x % p == 0) {
            x /= p;
            s.free *= p;
        }
    }
    auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(x)));
    while (r * r > x)
        --r;
    while ((r + 1) * (r + 1) <= x)
        ++r;
    if (r * r == x)
        s.root *= r;
    else
        s.free *= x;
    return s;
}

// √n·√m = g·√((n/g)·(m/g)) with g = gcd(n, m): for square-free n and m
// the two quotients are coprime and square-free, so their product is too.
Parts product(const Parts& a, const Parts& b) {
    const Wide common = detail::greatestCommonDivisor(a.radicand, b.radicand);
    return {a.numerator * b.numerator * common, a.denominator * b.denominator,
            (a.radicand / common) * (b.radicand / common), a.piPower + b.piPower};
}

// 1/(q·√n·πᵏ) = √n/(q·n)·π⁻ᵏ.
Parts reciprocal(const Parts& a) {
    return {a.denominator, a.numerator * a.radicand, a.radicand, -a.piPower};
}

} // namespace

std::optional<ExactValue> ExactValue::make(std::int64_t numerator, std::int64_t denominator,
                                           std::int64_t radicand, int piPower) {
    if (radicand < 0 || radicand >= kPartLimit)
        return std::nullopt;
    if (radicand == 0)
        return denominator == 0 ? std::nullopt : std::optional<ExactValue>(ExactValue{});
    const SquareSplit split = splitSquares(radicand);
    return ExactAccess::reduced(
        {Wide{numerator} * split.root, Wide{denominator}, Wide{split.free}, piPower});
}

double ExactValue::toDouble() const {
    double v = static_cast<double>(numerator_) / static_cast<double>(denominator_);
    if (radicand_ != 1)
        v *= std::sqrt(static_cast<double>(radicand_));
    for (int k = 0; k < piPower_; ++k)
        v *= kPi;
    for (int k = 0; k > piPower_; --k)
        v /= kPi;
    return v;
}

std::optional<ExactValue> multiply(const ExactValue& a, const ExactValue& b) {
    return ExactAccess::reduced(product(ExactAccess::partsOf(a), ExactAccess::partsOf(b)));
}

std::optional<ExactValue> divide(const ExactValue& a, const ExactValue& b) {
    if (b.isZero())
        return std::nullopt;
    return ExactAccess::reduced(
        product(ExactAccess::partsOf(a), reciprocal(ExactAccess::partsOf(b))));
}

std::optional<ExactValue> add(const ExactValue& a, const ExactValue& b) {
    if (a.isZero())
        return b;
    if (b.isZero())
        return a;
    if (a.radicand() != b.radicand() || a.piPower() != b.piPower())
        return std::nullopt;
    const Parts pa = ExactAccess::partsOf(a), pb = ExactAccess::partsOf(b);
    return ExactAccess::reduced({pa.numerator * pb.denominator + pb.numerator * pa.denominator,
                                 pa.denominator * pb.denominator, pa.radicand, pa.piPower});
}

std::optional<ExactValue> subtract(const ExactValue& a, const ExactValue& b) {
    return add(a, negated(b));
}

ExactValue negated(const ExactValue& a) {
    Parts p = ExactAccess::partsOf(a);
    p.numerator = -p.numerator;
    return *ExactAccess::reduced(p); // the same parts: always within the limits
}

std::optional<ExactValue> power(const ExactValue& a, int exponent) {
    if (exponent < 0) {
        const std::optional<ExactValue> inverse = divide(*ExactValue::make(1), a);
        if (!inverse)
            return std::nullopt;
        // -(exponent + 1) + 1: no overflow for the most negative int.
        const std::optional<ExactValue> rest = power(*inverse, -(exponent + 1));
        return rest ? multiply(*rest, *inverse) : std::nullopt;
    }
    // By squaring: every part of a partial result is at most that part of
    // the whole power, so a partial result beyond the limits means the power
    // is too.
    std::optional<ExactValue> result = ExactValue::make(1);
    std::optional<ExactValue> square = a;
    for (unsigned n = static_cast<unsigned>(exponent); n != 0 && result; n >>= 1) {
        if (n & 1U)
            result = multiply(*result, *square);
        if (n > 1 && result)
            square = multiply(*square, *square);
        if (!square)
            return std::nullopt;
    }
    return result;
}

std::optional<ExactValue> squareRoot(const ExactValue& a) {
    if (a.isZero())
        return a;
    if (a.numerator() < 0 || a.radicand() != 1 || a.piPower() % 2 != 0)
        return std::nullopt;
    // √(x/y) = rx·√fx/(ry·√fy) = rx·√(fx·fy)/(ry·fy); x and y are coprime,
    // so fx·fy is square-free.
    const SquareSplit top = splitSquares(a.numerator());
    const SquareSplit bottom = splitSquares(a.denominator());
    return ExactAccess::reduced({Wide{top.root}, Wide{bottom.root} * bottom.free,
                                 Wide{top.free} * bottom.free, a.piPower() / 2});
}

} // namespace velmora
