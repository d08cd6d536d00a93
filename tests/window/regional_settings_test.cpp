// The number settings read off a QLocale for the calculation library.
#include "regional_settings.h"

#include <velmora/value_text.h>

#include <QLocale>
#include <gtest/gtest.h>

#include <ostream>

namespace velmora::test {
namespace {

struct LocaleCase {
    const char* locale;
    NumberSettings expected;
    const char* fortySevenThousand; // how 47123.5 is written
    bool qtGroups = false;          // the locale made to group, as Qt's system C locale does
};
void PrintTo(const LocaleCase& c, std::ostream* out) {
    *out << c.locale;
}

class SettingsOfLocale : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(SettingsOfLocale, AreReadOffQLocale) {
    QLocale locale(QString::fromUtf8(GetParam().locale));
    if (GetParam().qtGroups)
        locale.setNumberOptions(QLocale::DefaultNumberOptions);
    const NumberSettings s = numberSettingsOf(locale);
    EXPECT_EQ(s.decimalSeparator, GetParam().expected.decimalSeparator);
    EXPECT_EQ(s.groupSeparator, GetParam().expected.groupSeparator);
    EXPECT_EQ(s.primaryGroupSize, GetParam().expected.primaryGroupSize);
    EXPECT_EQ(s.secondaryGroupSize, GetParam().expected.secondaryGroupSize);
    EXPECT_EQ(s.negativePrefix, GetParam().expected.negativePrefix);
    EXPECT_EQ(s.negativeSuffix, GetParam().expected.negativeSuffix);
    EXPECT_EQ(formatValue(47123.5, s), GetParam().fortySevenThousand);
    EXPECT_EQ(parseValue(GetParam().fortySevenThousand, s), 47123.5);
    // A whole number written the locale's way, without decimals, reads whole.
    if (!GetParam().qtGroups) {
        const std::string whole = locale.toString(12345678).toStdString();
        EXPECT_EQ(parseValue(whole, s), 12345678) << whole;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Locales, SettingsOfLocale,
    ::testing::Values(LocaleCase{"C", {".", "", 3, 3, "-", ""}, "47123.5000000"},
                      LocaleCase{"C", {".", "", 3, 3, "-", ""}, "47123.5000000", true},
                      LocaleCase{"C.UTF-8", {".", "", 3, 3, "-", ""}, "47123.5000000", true},
                      LocaleCase{"en_US", {".", ",", 3, 3, "-", ""}, "47,123.5000000"},
                      LocaleCase{"de_DE", {",", ".", 3, 3, "-", ""}, "47.123,5000000"},
                      LocaleCase{"bg_BG", {",", "\u00a0", 3, 3, "-", ""}, "47\u00a0123,5000000"},
                      LocaleCase{"hi_IN", {".", ",", 3, 2, "-", ""}, "47,123.5000000"},
                      LocaleCase{"de_CH", {".", "\u2019", 3, 3, "-", ""}, "47\u2019123.5000000"}));

} // namespace
} // namespace velmora::test
