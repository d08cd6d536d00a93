// The program's own options: what --help, --version and a refused argument
// print, and with which exit code. tests/packaging runs the built program
// with Qt's options too.
#include "command_line.h"

#include "table_rows.h"

#include <QApplication>
#include <QByteArray>
#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

namespace velmora::test {
namespace {

constexpr int kOpensTheWindow = -1;

struct CommandLineCase {
    const char* name;
    const char* arguments; // after the program's name, separated by blanks
    int exitCode;          // kOpensTheWindow: nothing is printed
    const char* printed;   // a piece of the text printed
    bool onStandardError;
};

class CommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, AnswersOrRefusesOrOpensTheWindow) {
    const CommandLineCase& c = GetParam();
    const QStringList arguments = QStringList{QStringLiteral("velmora")} +
                                  QString::fromUtf8(c.arguments).split(u' ', Qt::SkipEmptyParts);
    std::optional<CommandLineAnswer> answer = informationAnswer(arguments);
    if (!answer)
        answer = refusal(arguments, false); // as the program asks, before a display opens
    if (c.exitCode == kOpensTheWindow) {
        EXPECT_FALSE(answer.has_value()) << answer->text.toStdString();
        return;
    }
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->exitCode, c.exitCode);
    EXPECT_EQ(answer->onStandardError, c.onStandardError);
    EXPECT_TRUE(answer->text.contains(QString::fromUtf8(c.printed))) << answer->text.toStdString();
    EXPECT_TRUE(answer->text.endsWith(u'\n'));
    // A refusal says where to look for help.
    EXPECT_EQ(answer->text.contains(QStringLiteral("velmora --help")), c.exitCode == 2);
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLine,
    ::testing::Values(
        CommandLineCase{"NoArguments", "", kOpensTheWindow, "", false},
        CommandLineCase{"Help", "--help", 0, "Употреба: velmora [опции]", false},
        CommandLineCase{"HelpShort", "-h", 0, "-v, --version  показва версията и излиза", false},
        CommandLineCase{"HelpNamesTheProgram", "--help", 0,
                        "\nVelmora: калкулатор за прав кръгов конус.\n", false},
        CommandLineCase{"HelpNamesQtOptions", "--help", 0,
                        "Програмата приема и опцията на Qt -platform", false},
        CommandLineCase{"Version", "--version", 0, "Velmora 1.00\n", false},
        CommandLineCase{"VersionShort", "-v", 0, "Velmora 1.00\n", false},
        CommandLineCase{"HelpWinsOverUnknown", "--bogus --help", 0, "Опции:", false},
        CommandLineCase{"UnknownOption", "--bogus", 2, "непозната опция „--bogus“", true},
        CommandLineCase{"UnknownOptionWithValue", "--size=3", 2, "непозната опция „--size“", true},
        // Qt's options are single-dash words: -reverse is no cluster holding -v.
        CommandLineCase{"SingleDashWordIsOneOption", "-reverse", kOpensTheWindow, "", false},
        CommandLineCase{"QtOptionWithValue", "-platform offscreen -style Fusion", kOpensTheWindow,
                        "", false},
        CommandLineCase{"QtOptionValueIsNoStrayArgument", "-display :0", kOpensTheWindow, "",
                        false},
        CommandLineCase{"StrayArgument", "cone.txt", 2, "излишен аргумент „cone.txt“", true},
        CommandLineCase{"StrayArgumentAfterQtOption", "-platform offscreen cone.txt", 2,
                        "излишен аргумент „cone.txt“", true},
        CommandLineCase{"ControlCharactersShown", "--a\x1b[2Jb", 2, "„--a\\x1b[2Jb“", true},
        CommandLineCase{"LongArgumentShortened",
                        "конус-конус-конус-конус-конус-конус-конус-конус-конус-конус", 2,
                        "„конус-конус-конус-конус-конус-конус-кону…“\n", true}),
    rowName);

// The options passed over before start as Qt's are Qt's: a QApplication
// takes every one that Qt takes on every platform, each with its value, and
// leaves only the program's name. This fails when Qt drops an option or
// changes whether it takes a value; one that Qt adds needs a row of its own.
TEST(QtOptions, AreTakenByQApplication) {
    std::vector<QByteArray> arguments{"velmora"};
    for (const QtOption& option : kQtOptions) {
        if (!option.everyPlatform)
            continue;
        arguments.push_back(QByteArray("-") + option.name);
        if (option.takesValue)
            arguments.push_back(option.name == std::string_view("platform") ? "offscreen" : "x");
    }
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    int argc = static_cast<int>(argv.size());
    const QApplication app(argc, argv.data());
    EXPECT_EQ(QApplication::arguments().join(u' ').toStdString(), "velmora");
}

} // namespace
} // namespace velmora::test
