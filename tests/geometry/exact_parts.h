// Exact values written by their parts in the tables of the exact tests.
#pragma once

#include "velmora/exact_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace velmora::test {

// numerator/denominator·√radicand·π^pi, as ExactValue::make reduces it.
struct Parts {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
    std::int64_t radicand = 1;
    int pi = 0;
};

inline ExactValue exact(const Parts& p) {
    const std::optional<ExactValue> v =
        ExactValue::make(p.numerator, p.denominator, p.radicand, p.pi);
    EXPECT_TRUE(v.has_value()) << p.numerator << "/" << p.denominator << "√" << p.radicand;
    return v.value_or(ExactValue{});
}

// `got` has exactly the parts `expected` (in lowest terms), or both are nothing.
inline void expectParts(const std::optional<ExactValue>& got,
                        const std::optional<Parts>& expected) {
    ASSERT_EQ(got.has_value(), expected.has_value());
    if (!got)
        return;
    EXPECT_EQ(got->numerator(), expected->numerator);
    EXPECT_EQ(got->denominator(), expected->denominator);
    EXPECT_EQ(got->radicand(), expected->radicand);
    EXPECT_EQ(got->piPower(), expected->pi);
}

} // namespace velmora::test
