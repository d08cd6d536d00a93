// How the settings split the digits before the decimal separator.
#pragma once

#include "velmora/number_settings.h"

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

} // namespace velmora::detail
