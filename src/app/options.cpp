#include "app/options.h"

#include "protocol/defaults.h"
#include "protocol/linesettings.h"
#include "protocol/numbers.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace app {

namespace {

// The modes that take an option, as its help and its usage error name them.
const QString everyMode = QStringLiteral("--send, --check-board or --find-pacing");
const QString sendOrCheck = QStringLiteral("--send or --check-board");
const QString sendOnly = QStringLiteral("--send");

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
    const QCommandLineOption send(
            QStringLiteral("send"),
            QStringLiteral("Without a window: open the port (port 1, or the one given with "
                           "--port), send each non-blank line of FILE as one frame, print what "
                           "the board answers and wait for its \"Ready:\" after each. \"-\" "
                           "reads standard input. A line starting with \"#\" is a comment; "
                           "\"# xmitdelay MS\" and \"# waitchar CHAR\" set the pacing of the "
                           "lines below them. Exits 0 when every frame was answered, 1 when "
                           "one was not, 2 on a usage or port error."),
            QStringLiteral("FILE"));
    const QCommandLineOption checkBoard(
            QStringLiteral("check-board"),
            QStringLiteral("Without a window: send a suite of frames that gives every command "
                           "work, read the display back after each group and compare it with "
                           "what the simulated board draws. Prints one line per group and a "
                           "total. Exits 0 when every group matches, 1 when one does not or "
                           "could not be compared, 2 on a usage or port error."));
    const QCommandLineOption findPacing(
            QStringLiteral("find-pacing"),
            QStringLiteral("Without a window: find the smallest XmitDelay, up to 20 ms, at "
                           "which the board loses no character. With --check-board, the check "
                           "then runs at the XmitDelay it recommends."));
    const QCommandLineOption report(
            QStringLiteral("report"),
            QStringLiteral("With --check-board or --find-pacing: write DIR/index.html with "
                           "pictures of each group."),
            QStringLiteral("DIR"));
    const QCommandLineOption settings(
            QStringLiteral("settings"),
            QStringLiteral("With %1: the port's settings (default %2).")
                    .arg(everyMode, QLatin1String(protocol::defaultSettings)),
            QStringLiteral("SETTINGS"));
    const QCommandLineOption delay(
            QStringLiteral("delay"),
            QStringLiteral("With %1: milliseconds to pause before each wait character "
                           "(default %2).")
                    .arg(sendOrCheck)
                    .arg(protocol::defaultDelayMs),
            QStringLiteral("MS"));
    const QCommandLineOption waitChar(
            QStringLiteral("wait-char"),
            QStringLiteral("With %1: the character to pause before (default %2; empty: no "
                           "pauses).")
                    .arg(sendOnly, QLatin1String(protocol::defaultWaitChar)),
            QStringLiteral("CHAR"));
    const QCommandLineOption timeout(
            QStringLiteral("timeout"),
            QStringLiteral("With %1: give a frame up when the board has been quiet this many "
                           "milliseconds without answering it (default %2).")
                    .arg(everyMode)
                    .arg(protocol::defaultTimeoutMs),
            QStringLiteral("MS"));
    parser.addOptions({help, version, port, simulate, boardTiming, send, checkBoard, findPacing,
                       report, settings, delay, waitChar, timeout});

    if (!parser.parse(arguments))
        return stop(2, parser.errorText() + QLatin1Char('\n'));
    if (parser.isSet(help))
        return stop(0, parser.helpText());
    if (parser.isSet(version))
        return stop(0, QStringLiteral("Sketra " SKETRA_VERSION "\n"));
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
        const int number = match.captured(1).toInt();
        if (options.ports.contains(number))
            return stop(2, QStringLiteral("--port %1 is given twice: give each port number once\n")
                                   .arg(number));
        options.ports[number] = match.captured(2);
    }

    // An empty name would read as the option not given: the window would start, no report
    // would be written.
    const struct
    {
        const QCommandLineOption &option;
        const char *takes;
    } named[] = {{send, "a file to read, or \"-\" for standard input"},
                 {report, "a folder to write the report to"}};
    for (const auto &name : named) {
        if (parser.isSet(name.option) && parser.value(name.option).isEmpty())
            return stop(2, QStringLiteral("--%1 takes %2, not an empty name\n")
                                   .arg(name.option.names()[0], QLatin1String(name.takes)));
    }
    options.checkBoard = parser.isSet(checkBoard);
    options.findPacing = parser.isSet(findPacing);
    const bool checking = options.checkBoard || options.findPacing;
    if (parser.isSet(report) && !checking)
        return stop(2, QStringLiteral("--report goes with --check-board or --find-pacing\n"));
    options.reportFolder = parser.value(report);
    const QString mode = parser.isSet(send)   ? QStringLiteral("--send")
                         : options.checkBoard ? QStringLiteral("--check-board")
                                              : QStringLiteral("--find-pacing");
    const struct
    {
        const QCommandLineOption &option;
        const QString &modes;
    } modeOnly[] = {{settings, everyMode},
                    {delay, sendOrCheck},
                    {waitChar, sendOnly},
                    {timeout, everyMode}};
    if (!parser.isSet(send) && !checking) {
        for (const auto &only : modeOnly) {
            if (parser.isSet(only.option))
                return stop(2, QStringLiteral("--%1 goes with %2\n")
                                       .arg(only.option.names()[0], only.modes));
        }
        return options;
    }
    if (parser.isSet(send) && checking)
        return stop(2, QStringLiteral("--send does not go with --check-board or --find-pacing\n"));
    if (checking && parser.isSet(waitChar))
        return stop(2, QStringLiteral("--wait-char goes with --send\n"));
    if (checking && options.findPacing && parser.isSet(delay))
        return stop(2, QStringLiteral("--delay does not go with --find-pacing: the check runs at "
                                      "the pacing found\n"));
    options.sendFile = parser.value(send);
    if (options.simulate)
        return stop(2, QStringLiteral("%1 does not take --simulate: run sketra-board and "
                                      "give its terminal with --port\n")
                               .arg(mode));
    if (options.ports.size() > 1)
        return stop(2, QStringLiteral("%1 opens one port: give --port once\n").arg(mode));
    if (parser.isSet(settings)) {
        options.settings = parser.value(settings);
        if (!protocol::parseLineSettings(options.settings.toStdString()))
            return stop(2, QStringLiteral("--settings takes a settings string such as "
                                          "19200,n,8,1, not \"%1\"\n")
                                   .arg(options.settings));
    }
    const struct
    {
        const QCommandLineOption &option;
        std::uint32_t lowest;
        int &value;
    } durations[] = {{delay, 0, options.delayMs}, {timeout, 1, options.timeoutMs}};
    for (const auto &duration : durations) {
        if (!parser.isSet(duration.option))
            continue;
        const QString text = parser.value(duration.option);
        const auto ms = protocol::wholeNumber(text.toStdString());
        if (!ms || *ms < duration.lowest)
            return stop(2, QStringLiteral("--%1 takes a whole number of milliseconds from %2 up, "
                                          "not \"%3\"\n")
                                   .arg(duration.option.names()[0])
                                   .arg(duration.lowest)
                                   .arg(text));
        duration.value = static_cast<int>(*ms);
    }
    if (parser.isSet(waitChar)) {
        options.waitChar = parser.value(waitChar);
        if (options.waitChar.size() > 1)
            return stop(2, QStringLiteral("--wait-char takes one character or none, not \"%1\"\n")
                                   .arg(options.waitChar));
    }
    return options;
}

serial::PortMap portsFor(const Options &options, serial::PortMap found)
{
    for (auto it = options.ports.cbegin(); it != options.ports.cend(); ++it)
        found.assign(it.key(), it.value());
    return found;
}

int commandLinePort(const Options &options)
{
    return options.ports.isEmpty() ? 1 : options.ports.firstKey();
}

} // namespace app
