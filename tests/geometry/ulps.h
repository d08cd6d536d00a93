// Distance between doubles in units in the last place.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace velmora::test {

inline std::uint64_t ulpsBetween(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::numeric_limits<std::uint64_t>::max();
    // Map the doubles onto a line of integers that keeps their order.
    auto key = [](double x) {
        const auto bits = std::bit_cast<std::int64_t>(x);
        return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
    };
    const std::int64_t ka = key(a), kb = key(b);
    return ka > kb ? static_cast<std::uint64_t>(ka) - static_cast<std::uint64_t>(kb)
                   : static_cast<std::uint64_t>(kb) - static_cast<std::uint64_t>(ka);
}

} // namespace velmora::test
