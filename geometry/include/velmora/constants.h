// The values of pi that every cone formula uses.
#pragma once

#include <bit>
#include <cstdint>

namespace velmora {

// 3.14159265358979: seven units in the last place below the double nearest
// to pi, the value that the calculator's results are defined with (H = 4 and
// V = 12·kPi give R = 3.0000000000000004, for instance); std::numbers::pi
// would change such last digits, and with them some written results.
inline constexpr double kPi = std::bit_cast<double>(std::uint64_t{0x400921FB54442D11});

// 9.869604401089338, the double product kPi * kPi.
inline constexpr double kPiSquared = std::bit_cast<double>(std::uint64_t{0x4023BD3CC9BE45D3});

} // namespace velmora
