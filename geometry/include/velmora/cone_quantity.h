// The five quantities of a right circular cone and the combinations of two
// given quantities that the user can choose from.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace velmora {

// Slot numbers are also the indices of the quantity rows in the window.
enum class ConeQuantity : int { R = 0, L = 1, H = 2, S = 3, V = 4 };

inline constexpr std::size_t kQuantityCount = 5;

constexpr int slotOf(ConeQuantity q) {
    return static_cast<int>(q);
}

struct QuantityInfo {
    ConeQuantity quantity;
    std::string_view symbol; // the marker's caption
};

inline constexpr std::array<QuantityInfo, kQuantityCount> kQuantities{{
    {ConeQuantity::R, "R"},
    {ConeQuantity::L, "L"},
    {ConeQuantity::H, "H"},
    {ConeQuantity::S, "S"},
    {ConeQuantity::V, "V"},
}};

// A combination of two given quantities; `first` < `second` always.
struct GivenPair {
    int number;
    std::string_view label; // the list entry's text
    ConeQuantity first;
    ConeQuantity second;

    constexpr bool isGiven(ConeQuantity q) const { return q == first || q == second; }
};

// The combinations offered in the list, in list order: all ten pairs of the
// five quantities. With S and V, or L and V, given there can be two cones,
// the only combinations where that happens.
inline constexpr std::array<GivenPair, 10> kListedPairs{{
    {0, "R L", ConeQuantity::R, ConeQuantity::L},
    {1, "R H", ConeQuantity::R, ConeQuantity::H},
    {2, "R S", ConeQuantity::R, ConeQuantity::S},
    {3, "R V", ConeQuantity::R, ConeQuantity::V},
    {4, "L H", ConeQuantity::L, ConeQuantity::H},
    {5, "L S", ConeQuantity::L, ConeQuantity::S},
    {6, "H S", ConeQuantity::H, ConeQuantity::S},
    {7, "H V", ConeQuantity::H, ConeQuantity::V},
    {8, "S V", ConeQuantity::S, ConeQuantity::V},
    {9, "L V", ConeQuantity::L, ConeQuantity::V},
}};

inline constexpr const GivenPair& kSurfaceVolumePair = kListedPairs[8];
inline constexpr const GivenPair& kSlantVolumePair = kListedPairs[9];

// The combination with this number, or nothing.
constexpr std::optional<GivenPair> findPair(int number) {
    if (number >= 0 && number < static_cast<int>(kListedPairs.size()))
        return kListedPairs[static_cast<std::size_t>(number)];
    return std::nullopt;
}

constexpr std::string_view symbolOf(ConeQuantity q) {
    return kQuantities[static_cast<std::size_t>(slotOf(q))].symbol;
}

} // namespace velmora
