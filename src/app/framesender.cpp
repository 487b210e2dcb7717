#include "app/framesender.h"

#include "protocol/replies.h"
#include "serial/clock.h"

namespace app {

namespace {

constexpr std::chrono::milliseconds pollInterval{5};
// The longest answer the board gives: a whole external EEPROM as hex text, and its "Ready:".
constexpr std::size_t longestAnswer = 2 * 32768 + 16;
// What is kept of a reply that has not ended: far more than any error line, which repeats
// the frame it refuses.
constexpr std::size_t keptReply = (std::size_t{1} << 20) + 256;

} // namespace

FrameSender::FrameSender(serial::BoardConnection &connection,
                         std::function<void(const QByteArray &)> heard)
    : m_connection(connection)
    , m_heard(std::move(heard))
    , m_listening{QObject::connect(&m_connection, &serial::BoardConnection::received,
                                   [this](const QByteArray &bytes) {
                                       m_received += bytes.toStdString();
                                       if (m_heard)
                                           m_heard(bytes);
                                   }),
                  QObject::connect(
                          &m_connection, &serial::BoardConnection::lost,
                          [this](const QString &reason) { m_lostReason = reason.toStdString(); })}
{}

FrameSender::~FrameSender()
{
    for (const auto &listening : m_listening)
        QObject::disconnect(listening);
}

FrameSender::Sent FrameSender::send(const std::string &frame, const serial::Pacing &pacing,
                                    std::chrono::milliseconds quiet)
{
    Sent sent;
    sent.outcome
            = m_connection.transmit(m_connection.plan({QString::fromStdString(frame)}, pacing));
    if (sent.outcome.end == serial::BoardConnection::Outcome::End::Sent)
        sent.answer = awaitAnswer(quiet, &sent.reply);
    return sent;
}

std::string FrameSender::open()
{
    const auto opened = m_connection.open();
    if (opened.ok)
        return {};
    return "cannot open port " + std::to_string(m_connection.port().portNumber()) + ": "
           + opened.explained().toStdString();
}

std::string FrameSender::failure(const serial::BoardConnection::Outcome &outcome) const
{
    using End = serial::BoardConnection::Outcome::End;
    switch (outcome.end) {
    case End::Sent:
        return {};
    case End::Stalled:
        return "the board stopped taking characters after " + std::to_string(outcome.sent) + " of "
               + std::to_string(outcome.total);
    case End::Lost:
    case End::NotOpen:
        return "the port was lost: "
               + (m_lostReason.empty() ? std::string("it is no longer open") : m_lostReason);
    case End::NothingToSend:
        return "the frame is blank";
    case End::DelayOutOfRange:
        return "the delay does not fit 32 bits";
    case End::Stopped:
        return "it was stopped";
    case End::Failed:
        break;
    }
    return "the port refused a write: " + outcome.reason.toStdString();
}

std::chrono::milliseconds FrameSender::longestWait(std::chrono::milliseconds quiet) const
{
    return quiet
           + std::chrono::milliseconds(static_cast<long long>(
                   1000.0 * longestAnswer / m_connection.charactersPerSecond()));
}

void FrameSender::settle(std::chrono::milliseconds quiet)
{
    serial::Clock &clock = m_connection.clock();
    const auto started = clock.now();
    const auto longest = longestWait(quiet);
    auto quietSince = started;
    while (m_lostReason.empty() && !givenUp() && clock.now() - quietSince < quiet
           && clock.now() - started < longest) {
        const std::size_t before = m_received.size();
        m_connection.poll();
        if (m_received.size() != before)
            quietSince = clock.now();
        m_received.clear();
        clock.sleepUntil(clock.now() + pollInterval);
    }
}

FrameSender::Answer FrameSender::awaitAnswer(std::chrono::milliseconds quiet, std::string *reply)
{
    serial::Clock &clock = m_connection.clock();
    const auto longest = longestWait(quiet);
    const auto started = clock.now();
    auto quietSince = started;
    for (;;) {
        const std::size_t before = m_received.size();
        m_connection.poll();
        if (!m_lostReason.empty())
            return Answer::Lost;
        if (m_received.size() != before)
            quietSince = clock.now();
        const protocol::Reply answer = protocol::firstReply(m_received);
        if (answer.kind != protocol::Reply::Kind::Pending) {
            *reply = std::string(answer.text);
            m_received.erase(0, answer.length);
            return answer.kind == protocol::Reply::Kind::Ready ? Answer::Ready : Answer::Refused;
        }
        if (m_received.size() > keptReply)
            m_received.erase(0, m_received.size() - keptReply);
        if (clock.now() - quietSince >= quiet)
            return Answer::Quiet;
        if (clock.now() - started >= longest)
            return Answer::Endless;
        if (givenUp())
            return Answer::Stopped;
        clock.sleepUntil(clock.now() + pollInterval);
    }
}

} // namespace app
