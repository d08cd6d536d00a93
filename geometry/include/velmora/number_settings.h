// The user's regional number settings, as a plain value: the calculation
// library itself never reads a locale or the environment.
#pragma once

#include <string>

namespace velmora {

struct NumberSettings {
    // Each text is UTF-8 and may be several bytes (a no-break space) or,
    // for the group separator, empty (no grouping).
    std::string decimalSeparator = ".";
    std::string groupSeparator;
    int primaryGroupSize = 3;   // digits in the group next to the separator
    int secondaryGroupSize = 3; // digits in every further group
    // A negative number is written negativePrefix + digits + negativeSuffix:
    // "-" and "" mostly, "(" and ")" for accountants' settings.
    std::string negativePrefix = "-";
    std::string negativeSuffix;

    // Grouping is on when there is a separator that differs from the decimal
    // one and a usable group size: "1,234,5" with a comma for both could not
    // be read back.
    bool groupsDigits() const {
        return !groupSeparator.empty() && groupSeparator != decimalSeparator &&
               primaryGroupSize > 0;
    }
    bool operator==(const NumberSettings&) const = default;
};

// A point, no grouping, a leading minus: what the C locale writes.
inline NumberSettings plainNumberSettings() {
    return {};
}

} // namespace velmora
