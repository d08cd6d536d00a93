// Rows of the data-driven tests name themselves with their first field,
// `name`, as Qt's data-driven tests do: it is what a failure prints and
// what the test's own name ends with.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <string>
#include <string_view>

namespace velmora::test {

template <typename Row>
concept NamedRow = requires(const Row& row) {
    { row.name } -> std::convertible_to<std::string_view>;
};

// Pass as the last argument of INSTANTIATE_TEST_SUITE_P.
struct RowName {
    template <NamedRow Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return std::string(std::string_view(info.param.name));
    }
};

// Found by argument-dependent lookup for rows declared in this namespace.
template <NamedRow Row> void PrintTo(const Row& row, std::ostream* out) {
    *out << std::string_view(row.name);
}

// Rows live in each test file's unnamed namespace, where argument-dependent
// lookup looks for their printer: this is that namespace in every file that
// includes this header, inside velmora::test (the window's tests) or at the
// top (the library's tests).
namespace {
using velmora::test::PrintTo;
} // namespace

} // namespace velmora::test

namespace {
using velmora::test::PrintTo;
} // namespace
