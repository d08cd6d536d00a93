// Rows of the data-driven tests name themselves with their first field,
// `name`, as Qt's data-driven tests do: the test's own name ends with it.
#pragma once

#include <string>

namespace velmora::test {

// Pass as the last argument of INSTANTIATE_TEST_SUITE_P.
inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

} // namespace velmora::test
