// Velmora's own command-line options: --help and --version, which answer and
// end the program, and the refusal of anything else that is not Qt's.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace velmora {

// What the program prints before it ends without opening its window.
struct CommandLineAnswer {
    int exitCode;
    QString text;
    bool onStandardError;
};

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
