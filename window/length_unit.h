// The unit of length a solution is written and drawn in: none (the program
// names no unit, as the main window does), or one of the units a school
// task gives its lengths in. Areas and volumes take the unit squared and
// cubed ("15π cm²", "12π cm³").
#pragma once

#include <QString>

#include <array>

namespace velmora {

enum class LengthUnit { None, Millimetre, Centimetre, Decimetre, Metre };

struct LengthUnitInfo {
    LengthUnit unit;
    const char* symbol; // as Bulgarian textbooks write it beside a number
    double millimetres; // the length of one unit on paper; 0 for none
};

inline constexpr std::array<LengthUnitInfo, 5> kLengthUnits{{
    {LengthUnit::None, "", 0.0},
    {LengthUnit::Millimetre, "mm", 1.0},
    {LengthUnit::Centimetre, "cm", 10.0},
    {LengthUnit::Decimetre, "dm", 100.0},
    {LengthUnit::Metre, "m", 1000.0},
}};

constexpr const LengthUnitInfo& unitInfo(LengthUnit unit) {
    return kLengthUnits[static_cast<std::size_t>(unit)];
}

// What follows a value of the given power of length (1 a length, 2 an area,
// 3 a volume): " cm", " cm²", " cm³"; empty without a unit, and for power 0
// (a ratio, or an angle in degrees).
inline QString unitSuffix(LengthUnit unit, int power) {
    const LengthUnitInfo& info = unitInfo(unit);
    if (info.unit == LengthUnit::None || power == 0)
        return {};
    static constexpr std::array<const char16_t*, 4> kPowers{u"", u"", u"²", u"³"};
    return QStringLiteral(" ") + QString::fromLatin1(info.symbol) +
           QString::fromUtf16(kPowers.at(static_cast<std::size_t>(power)));
}

} // namespace velmora
