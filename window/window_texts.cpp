#include "window_texts.h"

namespace velmora::texts {

const std::string_view kWebAddress = "https://velmora.bg";

namespace {
// "https://velmora.bg" without "https://": the whole caption then fits the
// title bar of a 481-pixel window.
constexpr std::string_view withoutScheme(std::string_view address) {
    const std::size_t end = address.find("://");
    return end == std::string_view::npos ? address : address.substr(end + 3);
}
} // namespace

const std::string kWindowCaption =
    std::string(withoutScheme(kWebAddress)) + " Математика - конус, повърхнина и обем";

// clang-format off
const std::string_view kAssignmentText =
    "Да се състави проект, чрез който се представят междупредметни връзки между Математика и Информатика.\r\n"
    "Тема на проекта: Математика - конус, радиус, височина, повърхнина, обем.\r\n"
    "Чрез проекта да се въвеждат по избор два параметъра от множеството: радиус, височина, повърхнина, обем и да се изчисляват дължините на останалите елементи в същия прав кръгов конус.\r\n"
    "Съобразно избраната начална комбинация параметри да се разрешава въвеждането само на два от изброените параметри. \r\n"
    "Изборът на желаната комбинация параметри да се осъществи чрез списъчно поле, а размерите на конуса да се въвеждат в текстови полета.\r\n"
    "В проекта са използвани следните формули и означения:\r\n"
    "R -радиус на основата на кръговия конус;\r\n"
    "H - височина;\r\n"
    "L - образувателна на конуса.\r\n"
    "Използват се следните формули:\r\n"
    "Околна повърхнина: S = pi * R * L,\r\n"
    "Обем: V = pi * R * R * H / 3\r\n";

const std::string_view kSaying =
    "Неприятното в това да си първият, направил нещо по \r\n"
    "правилния начин, е, че никой не оценява колко трудно е \r\n"
    "било. \r\n";
// clang-format on

} // namespace velmora::texts
