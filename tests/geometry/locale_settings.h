// Regional number settings of a few locales, as the window would pass them.
#pragma once

#include "velmora/number_settings.h"

#include <string>
#include <vector>

namespace velmora::test {

struct NamedSettings {
    std::string name;
    NumberSettings settings;
};

inline const std::vector<NamedSettings>& sampleLocales() {
    static const std::vector<NamedSettings> locales{
        {"C", {".", "", 3, 3, "-", ""}},
        {"en_US", {".", ",", 3, 3, "-", ""}},
        {"de_DE", {",", ".", 3, 3, "-", ""}},
        {"bg_BG", {",", "\u00a0", 3, 3, "-", ""}},
        {"fr_FR", {",", "\u202f", 3, 3, "-", ""}},
        {"hi_IN", {".", ",", 3, 2, "-", ""}},
        {"accounting", {".", ",", 3, 3, "(", ")"}},
        {"minus_sign", {",", "'", 3, 3, "\u2212", ""}},
        {"de_CH", {".", "\u2019", 3, 3, "-", ""}},
        {"same_separators", {",", ",", 3, 3, "-", ""}},
    };
    return locales;
}

inline NumberSettings settingsOf(const std::string& name) {
    for (const auto& l : sampleLocales())
        if (l.name == name)
            return l.settings;
    return {};
}

} // namespace velmora::test
