// The number settings read off a QLocale for the calculation library, and
// the window's following them when the desktop's locale changes.
#include "regional_settings.h"
#include "user_actions.h"
#include "window_test_support.h"

#include <velmora/value_text.h>

#include "table_rows.h"

#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace velmora::test {
namespace {

struct LocaleCase {
    const char* name; // of the locale
    NumberSettings expected;
    const char* fortySevenThousand; // how 47123.5 is written
    bool qtGroups = false;          // the locale made to group, as Qt's system C locale does
};

class SettingsOfLocale : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(SettingsOfLocale, AreReadOffQLocale) {
    QLocale locale(QString::fromUtf8(GetParam().name));
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

// The number format follows the first of LC_ALL, LC_NUMERIC and LANG that
// is set, whatever the others say.
struct EnvironmentCase {
    const char* name;
    const char* lcAll;
    const char* lcNumeric;
    const char* lang;
    const char* written; // how 1234.5 is written
};

class NumberFormatFromEnvironment : public WindowTest,
                                    public ::testing::WithParamInterface<EnvironmentCase> {
protected:
    static constexpr std::array<const char*, 3> kVariables{"LC_ALL", "LC_NUMERIC", "LANG"};

    void SetUp() override {
        WindowTest::SetUp();
        for (const char* variable : kVariables)
            saved_.emplace_back(variable, qgetenv(variable));
    }
    void TearDown() override {
        for (const auto& [variable, value] : saved_)
            value.isNull() ? qunsetenv(variable) : qputenv(variable, value);
        WindowTest::TearDown();
    }
    static void setEnvironment(const EnvironmentCase& c) {
        const std::array<const char*, 3> values{c.lcAll, c.lcNumeric, c.lang};
        for (std::size_t i = 0; i < kVariables.size(); ++i)
            *values[i] == '\0' ? qunsetenv(kVariables[i]) : qputenv(kVariables[i], values[i]);
    }

private:
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

TEST_P(NumberFormatFromEnvironment, DecidesHowValuesAreWritten) {
    setEnvironment(GetParam());
    EXPECT_EQ(formatValue(1234.5, userNumberSettings()), GetParam().written);
}

// The window reads them again when the desktop's locale changes: the keypad's
// decimal key, the reading of the given values and the results follow.
TEST_P(NumberFormatFromEnvironment, AreReadAgainWhenTheDesktopLocaleChanges) {
    window->setNumberSettings(numberSettingsOf(QLocale(QStringLiteral("de_CH"))));
    showActive();
    setEnvironment(GetParam());
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(window.get(), &change);

    UserActions user(*window);
    user.typeInto(0, QStringLiteral("1234"));
    QTest::keyClick(window->Text2[0], Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(window->Text2[0], Qt::Key_5);
    user.typeInto(1, QStringLiteral("5000"));
    user.pressCalculate();
    EXPECT_EQ(window->Text2[0]->text(), QString::fromUtf8(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    Variables, NumberFormatFromEnvironment,
    ::testing::Values(
        EnvironmentCase{"LangAlone", "", "", "bg_BG.UTF-8", "1\u00a0234,5000000"},
        EnvironmentCase{"NumericCOverBulgarian", "", "C", "bg_BG.UTF-8", "1234.5000000"},
        EnvironmentCase{"NumericBulgarianOverC", "", "bg_BG.UTF-8", "C", "1\u00a0234,5000000"},
        EnvironmentCase{"AllOverNumeric", "en_US.UTF-8", "bg_BG.UTF-8", "bg_BG.UTF-8",
                        "1,234.5000000"},
        EnvironmentCase{"PosixAll", "POSIX", "bg_BG.UTF-8", "", "1234.5000000"},
        EnvironmentCase{"CUtf8Numeric", "", "C.UTF-8", "de_DE.UTF-8", "1234.5000000"},
        EnvironmentCase{"ModifierIgnored", "", "de_DE.UTF-8@euro", "", "1.234,5000000"}),
    rowName);

} // namespace
} // namespace velmora::test
