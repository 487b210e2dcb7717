#include "app/options.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace app {

namespace {

Options stop(int exitCode, const QString &output)
{
    Options options;
    options.exitNow = true;
    options.exitCode = exitCode;
    options.output = output;
    return options;
}

} // namespace

Options parseOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Draws on the Korvel board's LCD and reads and writes its memories "
                           "over a serial line."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption port(
            QStringLiteral("port"),
            QStringLiteral("Let port number N (1 to 4) open DEVICE, for example a "
                           "pseudo-terminal. May be given more than once."),
            QStringLiteral("N=DEVICE"));
    const QCommandLineOption simulate(
            QStringLiteral("simulate"),
            QStringLiteral("Put a simulated board on port 1 and show its LCD in a second window."));
    const QCommandLineOption boardTiming(
            QStringLiteral("board-timing"),
            QStringLiteral("With --simulate: the board has a real one's receive buffer and "
                           "speed, so characters sent too fast are lost."));
    parser.addOptions({help, version, port, simulate, boardTiming});

    if (!parser.parse(arguments))
        return stop(2, parser.errorText() + QLatin1Char('\n'));
    if (parser.isSet(help))
        return stop(0, parser.helpText());
    if (parser.isSet(version))
        return stop(0, QStringLiteral("Sketra 1.3.1\n"));
    if (!parser.positionalArguments().isEmpty())
        return stop(2, QStringLiteral("Unexpected argument: %1\n")
                               .arg(parser.positionalArguments().constFirst()));

    Options options;
    options.simulate = parser.isSet(simulate) || parser.isSet(boardTiming);
    options.boardTiming = parser.isSet(boardTiming);
    static const QRegularExpression assignment(QStringLiteral("^([1-4])=(.+)$"));
    for (const QString &value : parser.values(port)) {
        const auto match = assignment.match(value);
        if (!match.hasMatch())
            return stop(2, QStringLiteral("--port takes N=DEVICE with N from 1 to 4, not \"%1\"\n")
                                   .arg(value));
        options.ports[match.captured(1).toInt()] = match.captured(2);
    }
    return options;
}

} // namespace app
