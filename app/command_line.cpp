#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <cstdio>

namespace velmora {
namespace {

const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")},
                               QStringLiteral("показва тази помощ и излиза"));
const QCommandLineOption kVersion({QStringLiteral("v"), QStringLiteral("version")},
                                  QStringLiteral("показва версията и излиза"));

// The longest piece of an argument that a refusal shows.
constexpr qsizetype kShownArgumentLength = 40;

// Qt's own help text has English headings; this one is Bulgarian throughout.
QString helpText() {
    return QStringLiteral(
               "Употреба: velmora [опции]\n"
               "Velmora: калкулатор за прав кръгов конус.\n"
               "\n"
               "Опции:\n"
               "  -h, --help     %1\n"
               "  -v, --version  %2\n"
               "\n"
               "Програмата приема и опцията на Qt -platform, например\n"
               "-platform offscreen, а под X11 – и -display ДИСПЛЕЙ (вижте man velmora).\n")
        .arg(kHelp.description(), kVersion.description());
}

enum class QtOptions { Unknown, Known };

void parse(QCommandLineParser& parser, const QStringList& arguments, QtOptions qtOptions) {
    // Qt's options are single-dash words (-platform, -reverse); read as
    // clusters of letters, -reverse would turn on -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(kHelp);
    parser.addOption(kVersion);
    if (qtOptions == QtOptions::Known) {
        for (const QtOption& option : kQtOptions) {
            const QString name = QString::fromLatin1(option.name);
            parser.addOption(option.takesValue ? QCommandLineOption(name, {}, name)
                                               : QCommandLineOption(name));
        }
    }
    parser.parse(arguments);
}

// An argument as a refusal shows it: control characters as \xNN, and no
// longer than a line, cut between whole characters.
QString shownArgument(const QString& argument) {
    QString shown;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const QChar c = argument[i];
        if (shown.size() >= kShownArgumentLength) {
            shown += QStringLiteral("…");
            break;
        }
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else if (c.isHighSurrogate() && i + 1 < argument.size())
            shown += QStringView(argument).mid(i++, 2);
        else
            shown += c;
    }
    return shown;
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

QString noDisplayText() {
    return QStringLiteral(
        "velmora: не може да се отвори дисплей, на който да се покаже прозорецът.\n");
}

std::optional<CommandLineAnswer> informationAnswer(const QStringList& arguments) {
    QCommandLineParser parser;
    parse(parser, arguments, QtOptions::Known);
    if (parser.isSet(kHelp))
        return CommandLineAnswer{0, helpText(), false};
    if (parser.isSet(kVersion))
        return CommandLineAnswer{0, QStringLiteral("Velmora " VELMORA_VERSION "\n"), false};
    return std::nullopt;
}

std::optional<CommandLineAnswer> refusal(const QStringList& arguments, bool qtOptionsTaken) {
    QCommandLineParser parser;
    parse(parser, arguments, qtOptionsTaken ? QtOptions::Unknown : QtOptions::Known);
    QString problem;
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
        problem = QStringLiteral("непозната опция „%1“")
                      .arg(shownArgument(typedOption(arguments, unknown.first())));
    else if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        problem = QStringLiteral("излишен аргумент „%1“").arg(shownArgument(extra.first()));
    else
        return std::nullopt;
    return CommandLineAnswer{
        2, QStringLiteral("velmora: %1\nВижте „velmora --help“.\n").arg(problem), true};
}

std::optional<int> answerBeforeStart(int argc, const char* const argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto answer = informationAnswer(arguments))
        return deliver(*answer);
    if (const auto answer = refusal(arguments, false))
        return deliver(*answer);
    return std::nullopt;
}

std::optional<int> refuseArgumentsQtLeft(const QStringList& arguments) {
    if (const auto answer = refusal(arguments, true))
        return deliver(*answer);
    return std::nullopt;
}

} // namespace velmora
