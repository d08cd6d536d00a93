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

// For the arguments left once QApplication has taken its own (-platform,
// -style and the others): names an unknown option or a stray argument, with
// exit code 2.
std::optional<CommandLineAnswer> refusal(const QStringList& arguments);

// The program's hooks. The first runs before the QApplication exists, so
// that --help and --version work without a display; both print their answer
// and return the exit code when the program should end there.
std::optional<int> answerInformationOptions(int argc, const char* const argv[]);
std::optional<int> refuseUnknownArguments(const QStringList& arguments);

} // namespace velmora
