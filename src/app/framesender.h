#pragma once

#include "serial/boardconnection.h"

#include <QByteArray>
#include <QObject>

#include <chrono>
#include <functional>
#include <string>

namespace app {

// One frame at a time through the board connection: transmitted at a pacing, then the board's
// answer awaited. `--send` and the board check both talk to the board this way.
class FrameSender
{
public:
    enum class Answer { Ready, Refused, Quiet, Endless, Lost, Stopped };
    struct Sent
    {
        serial::BoardConnection::Outcome outcome; // the answer counts only when it was Sent
        Answer answer = Answer::Lost;
        // Before "Ready:" (a read's hex text, line ends and all), or the error line.
        std::string reply;
    };

    // `heard` is told every byte the board sends, as it arrives.
    explicit FrameSender(serial::BoardConnection &connection,
                         std::function<void(const QByteArray &)> heard = {});
    ~FrameSender();
    FrameSender(const FrameSender &) = delete;
    FrameSender &operator=(const FrameSender &) = delete;

    serial::BoardConnection &connection() { return m_connection; }
    // Asked while the sender waits for an answer or for quiet: true gives the wait up, and the
    // frame's answer is Stopped.
    void setGiveUp(std::function<bool()> giveUp) { m_giveUp = std::move(giveUp); }
    // Opens the port; why it could not, as every mode without a window says it.
    std::string open();
    // Why a frame did not go out whole, as every mode without a window says it.
    std::string failure(const serial::BoardConnection::Outcome &outcome) const;
    // `quiet`: the longest the board may stay quiet without answering.
    Sent send(const std::string &frame, const serial::Pacing &pacing,
              std::chrono::milliseconds quiet);
    // Takes what the board still sends and drops it, until it has been quiet for `quiet`, or
    // for as long as an answer may take.
    void settle(std::chrono::milliseconds quiet);
    // Why the device went away; empty while it is there.
    const std::string &lostReason() const { return m_lostReason; }

private:
    Answer awaitAnswer(std::chrono::milliseconds quiet, std::string *reply);
    // However much the board says, a wait has an end: the longest answer at the line's rate,
    // and the quiet allowed after it.
    std::chrono::milliseconds longestWait(std::chrono::milliseconds quiet) const;
    bool givenUp() const { return m_giveUp && m_giveUp(); }

    serial::BoardConnection &m_connection;
    std::function<void(const QByteArray &)> m_heard;
    std::function<bool()> m_giveUp;
    std::string m_received; // what the board sent that no frame's answer has taken yet
    std::string m_lostReason;
    QMetaObject::Connection m_listening[2];
};

} // namespace app
