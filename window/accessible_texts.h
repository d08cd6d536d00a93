// What a screen reader announces for each control that takes the focus.
#pragma once

#include "layout_table.h"

#include <velmora/cone_quantity.h>

#include <array>
#include <string_view>

namespace velmora::accessibility {

struct AccessibleText {
    layout::ControlName name;
    int index;
    std::string_view accessibleName;
    std::string_view description;
};

inline constexpr std::string_view kWindowDescription = "Калкулатор за прав кръгов конус";

// Every control that can take the focus, and the markers that show which
// quantities are given.
inline constexpr AccessibleText kAccessibleTexts[] = {
    {layout::ControlName::Text1, 0, "Задание",
     "Заданието на проекта и използваните формули, само за четене"},
    {layout::ControlName::Text2, 0, "R – радиус на основата",
     "Радиусът на основата на конуса; въвежда се, когато е сред двете дадени величини"},
    {layout::ControlName::Text2, 1, "L – образувателна",
     "Образувателната на конуса; въвежда се, когато е сред двете дадени величини"},
    {layout::ControlName::Text2, 2, "H – височина",
     "Височината на конуса; въвежда се, когато е сред двете дадени величини"},
    {layout::ControlName::Text2, 3, "S – околна повърхнина",
     "Околната повърхнина на конуса; въвежда се, когато е сред двете дадени величини"},
    {layout::ControlName::Text2, 4, "V – обем",
     "Обемът на конуса; въвежда се, когато е сред двете дадени величини"},
    {layout::ControlName::Check1, 0, "R е даден", "Отметнато, когато радиусът R е даден"},
    {layout::ControlName::Check1, 1, "L е дадена", "Отметнато, когато образувателната L е дадена"},
    {layout::ControlName::Check1, 2, "H е дадена", "Отметнато, когато височината H е дадена"},
    {layout::ControlName::Check1, 3, "S е дадена",
     "Отметнато, когато околната повърхнина S е дадена"},
    {layout::ControlName::Check1, 4, "V е даден", "Отметнато, когато обемът V е даден"},
    {layout::ControlName::List1, 0, "Дадени величини",
     "Избор на двете дадени величини; останалите три се изчисляват"},
    {layout::ControlName::Command1, 0, "Изчисли",
     "Изчислява останалите три величини от двете дадени"},
    {layout::ControlName::Command1, 1, "Изчисти", "Изчиства стойностите в петте полета"},
    {layout::ControlName::Picture1, 0, "Чертеж на конус",
     "Прав кръгов конус с височина H, радиус на основата R и образувателна L; Enter или "
     "интервал отваря решението"},
};

// What a screen reader says of each list entry, in list order.
struct EntryText {
    std::string_view accessibleName;
    std::string_view description;
};

inline constexpr std::array<EntryText, 10> kEntryTexts{{
    {"Дадени R и L", "Дадени са радиусът R и образувателната L; изчисляват се H, S и V"},
    {"Дадени R и H", "Дадени са радиусът R и височината H; изчисляват се L, S и V"},
    {"Дадени R и S", "Дадени са радиусът R и околната повърхнина S; изчисляват се L, H и V"},
    {"Дадени R и V", "Дадени са радиусът R и обемът V; изчисляват се L, H и S"},
    {"Дадени L и H", "Дадени са образувателната L и височината H; изчисляват се R, S и V"},
    {"Дадени L и S", "Дадени са образувателната L и околната повърхнина S; изчисляват се R, H и V"},
    {"Дадени H и S", "Дадени са височината H и околната повърхнина S; изчисляват се R, L и V"},
    {"Дадени H и V", "Дадени са височината H и обемът V; изчисляват се R, L и S"},
    {"Дадени S и V", "Дадени са околната повърхнина S и обемът V; изчисляват се R, L и H; "
                     "с тези S и V може да има два конуса"},
    {"Дадени L и V", "Дадени са образувателната L и обемът V; изчисляват се R, H и S; "
                     "с тези L и V може да има два конуса"},
}};
static_assert(kEntryTexts.size() == kListedPairs.size());

} // namespace velmora::accessibility
