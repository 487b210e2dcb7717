#pragma once

#include "protocol/transmission.h"
#include "serial/clock.h"
#include "serial/port.h"
#include "serial/transmitter.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <utility>
#include <vector>

namespace serial {

// How `send` paces a transmission: the wait character and the delay, as typed.
struct Pacing
{
    QString waitChar;
    QString delay;
};

// The line to the board, without any window: it owns the port, the paced transmitter, the
// receive poll, the bytes the board sends while a transmission runs (held back until it
// ends), and it notices a device that has gone. Whoever shows the board's side listens:
// bytes as they arrived, the state, the loss of the device, the frames going out and how far
// a transmission has come.
class BoardConnection : public QObject
{
    Q_OBJECT
public:
    enum class State { Closed, Open, Busy };

    // A run of frames planned as one transmission: each frame with its plan, and the whole
    // run's characters and time on the line.
    struct Transmission
    {
        std::vector<std::pair<QString, protocol::TransmitPlan>> frames;
        Pacing pacing;
        std::size_t characters = 0;
        std::chrono::milliseconds duration{0};
    };

    // How a transmission ended, and how many of its characters went out.
    struct Outcome
    {
        enum class End {
            Sent,
            NotOpen,         // nothing sent, nothing to say
            NothingToSend,   // a frame of nothing but blanks
            DelayOutOfRange, // the delay does not fit 32 bits
            Stopped,         // the person stopped it
            Stalled,         // the line took no byte for five seconds; the port stays open
            Failed,          // the port refused a write: `reason`
            Lost,            // the device went away; `lost` has told why
        };
        End end = End::Sent;
        std::size_t sent = 0;
        std::size_t total = 0;
        QString reason;
    };

    // The receive poll's interval.
    static constexpr std::chrono::milliseconds pollInterval{50};

    BoardConnection(Port &port, Clock &clock, QObject *parent = nullptr);

    Port &port() { return m_port; }
    Clock &clock() { return m_clock; }
    const Port &port() const { return m_port; }
    State state() const { return m_state; }
    bool isOpen() const { return m_port.isOpen(); }
    bool polling() const { return m_poll.isActive(); }
    double charactersPerSecond() const { return m_transmitter.charactersPerSecond(); }

    PortResult open();
    void close();

    Transmission plan(const QStringList &frames, const Pacing &pacing) const;
    // Blocks until the run is through, stopped or failed. The receive poll is off meanwhile;
    // a view breathes with it (repaint, Stop) and hears how far it has come.
    Outcome transmit(const Transmission &run, TransmitWatch *view = nullptr);
    // The terminal line's keystrokes: straight to the port, no pacing. What a full driver
    // cannot take yet goes at the next poll.
    PortResult writeTyped(const QByteArray &bytes);

    // Takes what has arrived now, as a poll tick does.
    void poll();
    // True when the device has gone; the connection then closes and says so through `lost`.
    bool noticeLoss();

signals:
    // What the board sent, as it arrived (before any line-end rule).
    void received(const QByteArray &bytes);
    void stateChanged(serial::BoardConnection::State state);
    // The device went away (unplugged, hung up); the connection has closed.
    void lost(const QString &reason);
    // `send` takes up the next frame of a run, before it knows whether the frame can go out.
    void frameTaken(const QString &frame);
    // A frame went out on the line whole, at this pacing; a frame cut short is not told.
    void frameSent(const QString &frame, const serial::Pacing &pacing);
    // Keystrokes of the terminal line handed to the port.
    void typed(const QByteArray &bytes);
    void progressed(std::size_t sent, std::size_t total);

private:
    class HoldingWatch;

    void setState(State state);
    void resumePoll();
    PortResult flushTyped();

    Port &m_port;
    Clock &m_clock;
    Transmitter m_transmitter;
    QTimer m_poll;
    State m_state = State::Closed;
    QByteArray m_held;  // what the board sent while a transmission ran, given out after it
    QByteArray m_typed; // keystrokes the driver had no room for yet
};

} // namespace serial
