// Velmora's own command-line options: --help and --version, which answer and
// end the program, and the refusal of anything else that is not Qt's.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace velmora {

// What the program prints before it ends without opening its window.
struct CommandLineAnswer {
    int exitCode;
    QString text;
    bool onStandardError;
};

// The options that QApplication and its platform plugins take for
// themselves, so that anything else can be refused before a display is
// opened. Not all of them change this window (it keeps its own style and
// direction); the help promises only those that do. Qt takes those of every
// platform whatever the platform; the others only one platform's plugin
// takes (X11's -display), or Qt only under X11 (-geometry).
struct QtOption {
    const char* name;
    bool takesValue;
    bool everyPlatform;
};
inline constexpr std::array<QtOption, 23> kQtOptions{{
    {"platform", true, true},        {"platformpluginpath", true, true},
    {"platformtheme", true, true},   {"plugin", true, true},
    {"qwindowgeometry", true, true}, {"qwindowicon", true, true},
    {"qwindowtitle", true, true},    {"reverse", false, true},
    {"session", true, true},         {"style", true, true},
    {"stylesheet", true, true},      {"widgetcount", false, true},
    {"qmljsdebugger", true, true},   {"display", true, false},
    {"geometry", true, false},       {"title", true, false},
    {"icon", true, false},           {"name", true, false},
    {"visual", true, false},         {"nograb", false, false},
    {"dograb", false, false},        {"sync", false, false},
    {"dialogs", true, false},
}};

// --help (-h) and --version (-v), wherever they stand among `arguments`
// (the program's name first). Qt's own options are not known at this point
// and are passed over.
std::optional<CommandLineAnswer> informationAnswer(const QStringList& arguments);

// Names an unknown option or a stray argument, with exit code 2, shortened
// and with control characters made visible. Before QApplication exists
// (`qtOptionsTaken` false), Qt's own options (-platform, -display and the
// others) are passed over; after, whatever Qt did not take is refused.
std::optional<CommandLineAnswer> refusal(const QStringList& arguments, bool qtOptionsTaken);

// The line the program prints when it cannot open a display.
QString noDisplayText();

// The program's hooks. The first runs before the QApplication exists, so
// that --help, --version and a refusal need no display; both print their
// answer and return the exit code when the program should end there.
std::optional<int> answerBeforeStart(int argc, const char* const argv[]);
std::optional<int> refuseArgumentsQtLeft(const QStringList& arguments);

} // namespace velmora
