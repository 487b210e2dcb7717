#include "serial/boardconnection.h"

#include "protocol/utf8.h"
#include "serial/clock.h"

#include <cmath>
#include <utility>

namespace serial {

namespace {

std::size_t charactersOf(const protocol::TransmitPlan &plan)
{
    std::size_t characters = 0;
    for (const auto &step : plan.steps)
        characters += protocol::utf8Characters(step.bytes).size();
    return characters;
}

} // namespace

// What the transmitter's spare time is spent on: the board's replies taken into keeping, so
// none is lost and its side of the line never fills, and then the view's own breath.
class BoardConnection::HoldingWatch final : public TransmitWatch
{
public:
    HoldingWatch(BoardConnection &connection, TransmitWatch *view, std::size_t total)
        : m_connection(connection)
        , m_view(view)
        , m_total(total)
    {}

    void advanced(std::size_t characters, std::int32_t pausedMs) override
    {
        m_sent += characters;
        if (m_view)
            m_view->advanced(characters, pausedMs);
        emit m_connection.progressed(m_sent, m_total);
    }

    bool breathe() override
    {
        m_connection.m_held += m_connection.m_port.readAll();
        if (!m_connection.m_port.fault().ok)
            return false;
        return !m_view || m_view->breathe();
    }

private:
    BoardConnection &m_connection;
    TransmitWatch *m_view;
    std::size_t m_total;
    std::size_t m_sent = 0;
};

BoardConnection::BoardConnection(Port &port, Clock &clock, QObject *parent)
    : QObject(parent)
    , m_port(port)
    , m_clock(clock)
    , m_transmitter(port, clock)
{
    m_poll.setObjectName(QStringLiteral("Timer1"));
    m_poll.setInterval(pollInterval);
    connect(&m_poll, &QTimer::timeout, this, &BoardConnection::poll);
}

PortResult BoardConnection::open()
{
    m_held.clear();
    m_typed.clear();
    const auto opened = m_port.open();
    if (!opened.ok)
        return opened;
    m_poll.start();
    setState(State::Open);
    return opened;
}

void BoardConnection::close()
{
    m_port.close();
    m_poll.stop();
    setState(State::Closed);
}

void BoardConnection::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void BoardConnection::resumePoll()
{
    // The poll only ever reads an open port.
    if (m_port.isOpen())
        m_poll.start();
}

BoardConnection::Transmission BoardConnection::plan(const QStringList &frames,
                                                    const Pacing &pacing) const
{
    // The whole run is planned first, so one progress window can follow all of it.
    Transmission run;
    run.pacing = pacing;
    const double rate = m_transmitter.charactersPerSecond();
    double ms = 0;
    for (const QString &frame : frames) {
        auto planned = protocol::planTransmission(
                frame.toStdString(), pacing.waitChar.toStdString(), pacing.delay.toStdString());
        const std::size_t characters = charactersOf(planned);
        run.characters += characters;
        ms += 1000.0 * static_cast<double>(characters) / rate;
        for (const auto &step : planned.steps)
            ms += step.pauseMs;
        run.frames.emplace_back(frame, std::move(planned));
    }
    run.duration = std::chrono::milliseconds(std::llround(ms));
    return run;
}

BoardConnection::Outcome BoardConnection::transmit(const Transmission &run, TransmitWatch *view)
{
    using End = Outcome::End;
    Outcome outcome{End::Sent, 0, run.characters, {}};
    HoldingWatch watch(*this, view, run.characters);
    for (const auto &[frame, plan] : run.frames) {
        emit frameTaken(frame);
        if (plan.refusal == protocol::TransmitRefusal::NothingToSend) {
            outcome.end = End::NothingToSend;
            break;
        }
        m_poll.stop();
        if (plan.refusal == protocol::TransmitRefusal::DelayOutOfRange) {
            outcome.end = End::DelayOutOfRange;
            break;
        }
        if (noticeLoss())
            return {End::Lost, outcome.sent, outcome.total, {}};
        if (!m_port.isOpen())
            return {End::NotOpen, outcome.sent, outcome.total, {}};
        setState(State::Busy);
        const TransmitResult sent = m_transmitter.transmit(plan.steps, &watch);
        outcome.sent += sent.sent;
        if (noticeLoss())
            return {End::Lost, outcome.sent, outcome.total, {}};
        setState(State::Open);
        // A stop may come after the frame's last character: it went out whole all the same.
        if (sent.sent == charactersOf(plan))
            emit frameSent(frame, run.pacing);
        if (sent.end == TransmitResult::End::Stopped) {
            outcome.end = End::Stopped;
            break;
        }
        if (sent.end == TransmitResult::End::Stalled) {
            outcome.end = End::Stalled;
            break;
        }
        if (sent.end == TransmitResult::End::Failed) {
            outcome.end = End::Failed;
            outcome.reason = sent.failure.reason;
            break;
        }
    }
    resumePoll();
    return outcome;
}

PortResult BoardConnection::writeTyped(const QByteArray &bytes)
{
    if (noticeLoss() || !m_port.isOpen())
        return PortResult::success();
    m_typed += bytes;
    const PortResult written = flushTyped();
    if (noticeLoss())
        return PortResult::success();
    return written;
}

PortResult BoardConnection::flushTyped()
{
    if (m_typed.isEmpty() || !m_port.isOpen())
        return PortResult::success();
    qsizetype taken = 0;
    const PortResult written = m_port.write(m_typed, taken);
    if (taken > 0)
        emit typed(m_typed.left(taken));
    m_typed.remove(0, taken);
    if (!written.ok)
        m_typed.clear();
    return written;
}

void BoardConnection::poll()
{
    flushTyped();
    QByteArray arrived = m_port.readAll();
    if (!m_held.isEmpty())
        arrived.prepend(std::exchange(m_held, {}));
    if (!arrived.isEmpty())
        emit received(arrived);
    noticeLoss();
}

bool BoardConnection::noticeLoss()
{
    // The port may have found its device gone at any read or write.
    const PortResult fault = m_port.fault();
    if (fault.ok)
        return false;
    QByteArray salvaged = std::exchange(m_held, {}) + m_port.readAll();
    if (!salvaged.isEmpty())
        emit received(salvaged);
    close();
    emit lost(fault.reason);
    return true;
}

} // namespace serial
