// How the settings split the digits before the decimal separator.
#pragma once

#include "velmora/number_settings.h"

#include <string_view>

namespace velmora::detail {

// Digits in the group `index` places left of the decimal separator (0 is
// the group next to it).
inline int groupSize(const NumberSettings& s, int index) {
    if (index == 0 || s.secondaryGroupSize <= 0)
        return s.primaryGroupSize;
    return s.secondaryGroupSize;
}

// What a user types for a group separator that no keyboard has: a plain
// space for a kind of space (a no-break, narrow no-break, thin or figure
// space), a plain apostrophe for a kind of apostrophe (the right single
// quotation mark of Swiss settings). Empty when the separator is typed as
// it is.
inline std::string_view typedGroupSeparator(const NumberSettings& s) {
    struct Stand {
        std::string_view separator, typed;
    };
    static constexpr Stand stands[] = {
        {"\u00a0", " "}, {"\u202f", " "}, {"\u2009", " "},
        {"\u2007", " "}, {"\u2019", "'"}, {"\u02bc", "'"},
    };
    for (const Stand& stand : stands)
        if (s.groupSeparator == stand.separator)
            return stand.typed;
    return {};
}

} // namespace velmora::detail
