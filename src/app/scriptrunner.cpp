#include "app/scriptrunner.h"

#include "app/checkmode.h"
#include "app/options.h"
#include "protocol/lineends.h"
#include "protocol/textlines.h"
#include "protocol/transmission.h"
#include "serial/clock.h"
#include "serial/port.h"
#include "serial/qtserialport.h"

#include <QCoreApplication>
#include <QFile>

#include <iostream>
#include <iterator>

namespace app {

namespace {

constexpr std::string_view ready = "Ready:";
constexpr std::string_view refused = "Error:";
constexpr std::chrono::milliseconds pollInterval{5};

} // namespace

std::vector<ScriptFrame> scriptFrames(std::string_view text)
{
    std::vector<ScriptFrame> frames;
    for (const auto &line : protocol::nonBlankLines(text))
        frames.push_back({static_cast<int>(line.number), std::string(line.text)});
    return frames;
}

ReplyCheck checkReply(std::string_view received)
{
    const auto readyAt = received.find(ready);
    const auto errorAt = received.find(refused);
    if (errorAt < readyAt) {
        const auto lineEnd = received.find_first_of("\r\n", errorAt);
        if (lineEnd == std::string_view::npos)
            return {};
        return {ReplyCheck::State::Refused, lineEnd + 1};
    }
    if (readyAt == std::string_view::npos)
        return {};
    // The line end after "Ready:" belongs to this answer when it has already come.
    auto length = readyAt + ready.size();
    if (received.substr(length, 1) == "\r")
        ++length;
    if (received.substr(length, 1) == "\n")
        ++length;
    return {ReplyCheck::State::Ready, length};
}

ScriptRunner::ScriptRunner(serial::Port &port, serial::Clock &clock, std::ostream &out,
                           std::ostream &err)
    : m_port(port)
    , m_clock(clock)
    , m_transmitter(port, clock)
    , m_out(out)
    , m_err(err)
{}

int ScriptRunner::run(const std::vector<ScriptFrame> &frames, const Pacing &pacing)
{
    const auto opened = m_port.open();
    if (!opened.ok) {
        std::string why = "cannot open port " + std::to_string(m_port.portNumber()) + ": "
                          + opened.reason.toStdString();
        if (!opened.fix.isEmpty())
            why += "\n" + opened.fix.toStdString();
        return stop(2, why);
    }
    const std::string delay = std::to_string(pacing.delayMs);
    for (const ScriptFrame &frame : frames) {
        const std::string where = "line " + std::to_string(frame.line) + " (" + frame.frame + ")";
        const auto plan = protocol::planTransmission(frame.frame, pacing.waitChar, delay);
        if (plan.refusal != protocol::TransmitRefusal::None)
            return stop(2, where + " cannot be sent at a delay of " + delay + " ms");
        const auto sent = m_transmitter.transmit(plan.steps);
        if (!sent.ok)
            return stop(2, where + ": the port refused a write: " + sent.reason.toStdString());
        switch (awaitAnswer(pacing.timeout)) {
        case ReplyCheck::State::Ready:
            break;
        case ReplyCheck::State::Refused:
            return stop(1, where + " was refused by the board");
        case ReplyCheck::State::Pending:
            return stop(1, where + " was not answered: no \"Ready:\" within "
                                   + std::to_string(pacing.timeout.count()) + " ms");
        }
    }
    return stop(0, {});
}

ReplyCheck::State ScriptRunner::awaitAnswer(std::chrono::milliseconds timeout)
{
    auto quietSince = m_clock.now();
    for (;;) {
        const QByteArray arrived = m_port.readAll();
        if (!arrived.isEmpty()) {
            print(arrived.toStdString());
            m_received += arrived.toStdString();
            quietSince = m_clock.now();
        }
        const ReplyCheck check = checkReply(m_received);
        if (check.state != ReplyCheck::State::Pending) {
            m_received.erase(0, check.length);
            return check.state;
        }
        if (m_clock.now() - quietSince >= timeout)
            return ReplyCheck::State::Pending;
        m_clock.sleepUntil(m_clock.now() + pollInterval);
    }
}

void ScriptRunner::print(std::string_view received)
{
    // The board ends its lines with a carriage return; a terminal wants a line feed.
    for (const char c : protocol::normaliseLineEnds(received)) {
        if (c == '\r')
            continue;
        m_out << c;
        m_lineOpen = c != '\n';
    }
    m_out.flush();
}

int ScriptRunner::stop(int status, const std::string &why)
{
    m_port.close();
    if (m_lineOpen)
        m_out << '\n';
    m_out.flush();
    if (!why.empty())
        m_err << "sketra: " << why << '\n';
    return status;
}

int runScript(const Options &options, std::ostream &out, std::ostream &err)
{
    std::string script;
    if (options.sendFile == QLatin1String("-")) {
        script.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        QFile file(options.sendFile);
        if (!file.open(QIODevice::ReadOnly)) {
            err << "sketra: cannot read " << options.sendFile.toStdString() << ": "
                << file.errorString().toStdString() << '\n';
            return 2;
        }
        script = file.readAll().toStdString();
    }

    serial::PortMap ports = serial::PortMap::discover();
    for (auto it = options.ports.cbegin(); it != options.ports.cend(); ++it)
        ports.assign(it.key(), it.value());
    serial::QtSerialPort port(ports);
    port.setPortNumber(options.ports.isEmpty() ? 1 : options.ports.firstKey());
    port.setSettings(options.settings);
    serial::SteadyClock clock;
    ScriptRunner runner(port, clock, out, err);
    return runner.run(scriptFrames(script), {options.delayMs, options.waitChar.toStdString(),
                                             std::chrono::milliseconds(options.timeoutMs)});
}

bool asksForScript(int argc, char *argv[])
{
    // The options that only a script run takes count too, so that a mistake in them is
    // reported without a display.
    static constexpr std::string_view scriptOptions[]
            = {"--send",     "--check-board", "--find-pacing", "--report",
               "--settings", "--delay",       "--wait-char",   "--timeout"};
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        for (const std::string_view option : scriptOptions) {
            if (argument.starts_with(option)
                && (argument.size() == option.size() || argument[option.size()] == '='))
                return true;
        }
    }
    return false;
}

int scriptMain(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Sketra"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.3.1"));
    const Options options = parseOptions(QCoreApplication::arguments());
    if (options.exitNow) {
        (options.exitCode ? std::cerr : std::cout) << options.output.toStdString();
        return options.exitCode;
    }
    if (options.checkBoard || options.findPacing)
        return runBoardCheck(options, std::cout, std::cerr);
    return runScript(options, std::cout, std::cerr);
}

} // namespace app
