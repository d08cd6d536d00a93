// How the settings split the digits before the decimal separator.
#pragma once

#include "velmora/number_settings.h"

#include <string_view>

namespace velmora::detail {

// Grouping is on when there is a separator and a usable group size.
inline bool groupsDigits(const NumberSettings& s) {
    return !s.groupSeparator.empty() && s.primaryGroupSize > 0;
}

// Digits in the group `index` places left of the decimal separator (0 is
// the group next to it).
inline int groupSize(const NumberSettings& s, int index) {
    if (index == 0 || s.secondaryGroupSize <= 0)
        return s.primaryGroupSize;
    return s.secondaryGroupSize;
}

// Whether the group separator is a kind of space (a no-break, narrow
// no-break, thin, figure or plain space, in UTF-8). Then a plain space typed
// between digit groups stands for it: nobody types a no-break space.
inline bool groupsWithASpace(const NumberSettings& s) {
    for (std::string_view space : {" ", "\u00a0", "\u202f", "\u2009", "\u2007"})
        if (s.groupSeparator == space)
            return true;
    return false;
}

} // namespace velmora::detail
