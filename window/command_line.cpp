#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <cstdio>

#ifndef VELMORA_VERSION
#error "VELMORA_VERSION must be defined by the build (the CMake project version)"
#endif

namespace velmora {
namespace {

const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")},
                               QStringLiteral("показва тази помощ и излиза"));
const QCommandLineOption kVersion({QStringLiteral("v"), QStringLiteral("version")},
                                  QStringLiteral("показва версията и излиза"));

// Qt's own help text has English headings; this one is Bulgarian throughout.
QString helpText() {
    return QStringLiteral("Употреба: velmora [опции]\n"
                          "Велмора: калкулатор за прав кръгов конус.\n"
                          "\n"
                          "Опции:\n"
                          "  -h, --help     %1\n"
                          "  -v, --version  %2\n"
                          "\n"
                          "Приема и стандартните опции на Qt, например -platform offscreen,\n"
                          "-style или -reverse (вижте man velmora).\n")
        .arg(kHelp.description(), kVersion.description());
}

void parse(QCommandLineParser& parser, const QStringList& arguments) {
    // Qt's options are single-dash words (-platform, -reverse); read as
    // clusters of letters, -reverse would turn on -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(kHelp);
    parser.addOption(kVersion);
    parser.parse(arguments);
}

// The argument as typed (with its dashes) that the parser names `name`.
QString typedOption(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        QString bare = argument.section(QLatin1Char('='), 0, 0);
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare == name)
            return argument.section(QLatin1Char('='), 0, 0);
    }
    return name;
}

int deliver(const CommandLineAnswer& answer) {
    std::fputs(answer.text.toUtf8().constData(), answer.onStandardError ? stderr : stdout);
    return answer.exitCode;
}

} // namespace

std::optional<CommandLineAnswer> informationAnswer(const QStringList& arguments) {
    QCommandLineParser parser;
    parse(parser, arguments);
    if (parser.isSet(kHelp))
        return CommandLineAnswer{0, helpText(), false};
    if (parser.isSet(kVersion))
        return CommandLineAnswer{0, QStringLiteral("Velmora " VELMORA_VERSION "\n"), false};
    return std::nullopt;
}

std::optional<CommandLineAnswer> refusal(const QStringList& arguments) {
    QCommandLineParser parser;
    parse(parser, arguments);
    QString problem;
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
        problem =
            QStringLiteral("непозната опция „%1“").arg(typedOption(arguments, unknown.first()));
    else if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        problem = QStringLiteral("излишен аргумент „%1“").arg(extra.first());
    else
        return std::nullopt;
    return CommandLineAnswer{
        2, QStringLiteral("velmora: %1\nВижте „velmora --help“.\n").arg(problem), true};
}

std::optional<int> answerInformationOptions(int argc, const char* const argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto answer = informationAnswer(arguments))
        return deliver(*answer);
    return std::nullopt;
}

std::optional<int> refuseUnknownArguments(const QStringList& arguments) {
    if (const auto answer = refusal(arguments))
        return deliver(*answer);
    return std::nullopt;
}

} // namespace velmora
