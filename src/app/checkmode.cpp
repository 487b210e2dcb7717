#include "app/checkmode.h"

#include "app/boardcheck.h"
#include "app/checkreport.h"
#include "app/framesender.h"
#include "app/options.h"
#include "app/pacingsearch.h"
#include "app/transmitrun.h"
#include "protocol/defaults.h"
#include "protocol/replies.h"
#include "serial/boardconnection.h"
#include "serial/clock.h"
#include "serial/qtserialport.h"

#include <csignal>
#include <iostream>
#include <unistd.h>

namespace app {

namespace {

volatile std::sig_atomic_t stopsSignalled = 0;

void onStopSignal(int)
{
    stopsSignalled = stopsSignalled + 1;
}

// Ctrl+C (and a polite kill) asks the check to stop; it restores the EEPROM bytes first.
class StopSignals
{
public:
    StopSignals()
    {
        stopsSignalled = 0;
        struct sigaction action = {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        sigaddset(&action.sa_mask, SIGINT);
        sigaddset(&action.sa_mask, SIGTERM);
        sigaction(SIGINT, &action, &m_oldInt);
        sigaction(SIGTERM, &action, &m_oldTerm);
    }
    ~StopSignals()
    {
        sigaction(SIGINT, &m_oldInt, nullptr);
        sigaction(SIGTERM, &m_oldTerm, nullptr);
    }
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

    static bool requested() { return count() != 0; }
    static int count() { return stopsSignalled; }

private:
    struct sigaction m_oldInt = {};
    struct sigaction m_oldTerm = {};
};

// The check's seam onto the frame sender that `--send` uses.
class ConnectionExchange final : public FrameExchange
{
public:
    ConnectionExchange(serial::BoardConnection &connection, std::chrono::milliseconds quiet)
        : m_sender(connection)
        , m_quiet(quiet)
    {
        // A stop gives up the wait it comes in, not the ones after it: the scratch bytes are
        // still written back, unless the person stops again.
        m_sender.setGiveUp([this] { return StopSignals::count() != m_stopsBefore; });
    }

    std::string open() { return m_sender.open(); }

    FrameAnswer exchange(const std::string &frame, int delayMs) override
    {
        m_stopsBefore = StopSignals::count();
        const auto sent = m_sender.send(
                frame, {QLatin1String(protocol::defaultWaitChar), QString::number(delayMs)},
                m_quiet);
        using End = serial::BoardConnection::Outcome::End;
        if (sent.outcome.end != End::Sent)
            return {sent.outcome.end == End::Stalled ? FrameAnswer::State::Stalled
                                                     : FrameAnswer::State::Failed,
                    {},
                    m_sender.failure(sent.outcome)};
        switch (sent.answer) {
        case FrameSender::Answer::Ready:
            return {FrameAnswer::State::Ready, protocol::answerDigits(sent.reply), sent.reply};
        case FrameSender::Answer::Refused:
            return {FrameAnswer::State::Refused, {}, sent.reply};
        case FrameSender::Answer::Quiet:
        case FrameSender::Answer::Endless:
            return {FrameAnswer::State::Silent, {}, {}};
        case FrameSender::Answer::Stopped:
            return {FrameAnswer::State::Stopped, {}, "stopped"};
        case FrameSender::Answer::Lost:
            break;
        }
        return {FrameAnswer::State::Failed, {}, "the port was lost: " + m_sender.lostReason()};
    }

    void settle(std::chrono::milliseconds quiet) override
    {
        m_stopsBefore = StopSignals::count();
        m_sender.settle(quiet);
    }

private:
    FrameSender m_sender;
    std::chrono::milliseconds m_quiet;
    int m_stopsBefore = 0;
};

// One line on a terminal, rewritten in place; nothing when the errors go to a file.
class ProgressLine
{
public:
    explicit ProgressLine(std::ostream &err)
        : m_err(err)
        , m_shown(::isatty(STDERR_FILENO) == 1)
    {}
    ~ProgressLine() { show({}); }

    void show(const std::string &text)
    {
        if (!m_shown)
            return;
        m_err << '\r' << text;
        if (text.size() < m_width)
            m_err << std::string(m_width - text.size(), ' ') << '\r';
        m_width = text.size();
        m_err.flush();
    }

private:
    std::ostream &m_err;
    bool m_shown;
    std::size_t m_width = 0;
};

} // namespace

int runBoardCheck(const Options &options, std::ostream &out, std::ostream &err)
{
    serial::QtSerialPort port(portsFor(options, serial::PortMap::discover()));
    port.setPortNumber(commandLinePort(options));
    port.setSettings(options.settings);
    serial::SteadyClock clock;
    serial::BoardConnection connection(port, clock);

    ConnectionExchange exchange(connection, std::chrono::milliseconds(options.timeoutMs));
    if (const std::string closed = exchange.open(); !closed.empty()) {
        err << "sketra: " << closed << '\n';
        return 2;
    }
    StopSignals stopSignals;
    ProgressLine progress(err);
    const auto characterTime = serial::characterTime(options.settings);

    int status = 0;
    std::optional<PacingResult> pacing;
    int delayMs = options.delayMs;
    if (options.findPacing) {
        PacingSearch search(exchange, characterTime);
        search.setStopRequested(&StopSignals::requested);
        search.setProgress([&](int trialMs) {
            progress.show("finding the pacing: trying " + std::to_string(trialMs) + " ms");
        });
        pacing = search.run();
        progress.show({});
        out << pacingLine(*pacing) << std::endl;
        if (!pacing->failure.empty() && !StopSignals::requested())
            status = 2;
        else if (!pacing->found())
            status = 1;
        else
            delayMs = pacing->recommendedMs();
    }

    std::optional<CheckResult> check;
    if (options.checkBoard && status == 0 && !StopSignals::requested()) {
        BoardCheck boardCheck(exchange, characterTime);
        boardCheck.setStopRequested(&StopSignals::requested);
        boardCheck.setProgress([&](std::size_t group, std::size_t groups, const std::string &name,
                                   std::chrono::milliseconds left) {
            progress.show("[" + std::to_string(group + 1) + "/" + std::to_string(groups) + "] "
                          + name + ", " + timeLeftText(left).toStdString() + " left");
        });
        boardCheck.setGroupDone([&](const GroupResult &group) {
            progress.show({});
            out << groupLine(group) << std::endl;
        });
        check = boardCheck.run(delayMs);
        progress.show({});
        out << totalLine(*check) << std::endl;
        err << unrestoredText(*check);
        if (!check->portFailure.empty())
            err << "sketra: " << check->portFailure << '\n';
        status = std::max(status, check->status());
    }
    if (StopSignals::requested()) {
        err << "sketra: stopped\n";
        status = std::max(status, 1);
    }
    connection.close();

    if (!options.reportFolder.isEmpty()) {
        QString error;
        const ReportHeader header{port.deviceName(port.portNumber()), options.settings};
        if (!writeCheckReport(options.reportFolder, header, check ? &*check : nullptr, pacing,
                              &error)) {
            err << "sketra: " << error.toStdString() << '\n';
            return 2;
        }
    }
    return status;
}

} // namespace app
