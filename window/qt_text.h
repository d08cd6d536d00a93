// The program's fixed texts are UTF-8 string views; Qt wants QStrings.
#pragma once

#include <QString>

#include <string_view>

namespace velmora {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace velmora
