// The values of pi that every cone formula uses.
#pragma once

#include <bit>
#include <cstdint>

namespace velmora {

// 3.14159265358979: seven units in the last place below the double nearest
// to pi. The program has always computed with this value, so results stay
// the same digits users know; std::numbers::pi would change them.
inline constexpr double kPi = std::bit_cast<double>(std::uint64_t{0x400921FB54442D11});

// 9.869604401089338, the double product kPi * kPi.
inline constexpr double kPiSquared = std::bit_cast<double>(std::uint64_t{0x4023BD3CC9BE45D3});

} // namespace velmora
