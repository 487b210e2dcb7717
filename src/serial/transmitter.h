#pragma once

#include "protocol/transmission.h"
#include "serial/clock.h"
#include "serial/port.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace serial {

// What a transmission tells the window while it runs, and how the window keeps alive and
// ends it early.
class TransmitWatch
{
public:
    virtual ~TransmitWatch() = default;
    // `characters` more have been handed to the port, `pausedMs` after the one before them.
    virtual void advanced(std::size_t characters, std::int32_t pausedMs) = 0;
    // Time the transmission can spare, between characters or inside a pause: take the
    // board's replies, repaint, look for a click on Stop. False ends the transmission before
    // its next character.
    virtual bool breathe() = 0;
};

// Time one character takes on the line at a port's settings ("19200,n,8,1"); zero when the
// settings cannot be read.
std::chrono::nanoseconds characterTime(const QString &settings);

// How a transmission ended, and how many characters the port took.
struct TransmitResult
{
    enum class End {
        Sent,
        Stopped, // the watch asked to stop
        Stalled, // the line took no byte for `Transmitter::stallLimit`; the port is fine
        Failed,  // the port refused a write; `failure` says why
    };
    End end = End::Sent;
    std::size_t sent = 0;
    PortResult failure;

    bool ok() const { return end == End::Sent; }
};

// Puts a planned transmission on the wire. Before each pause it waits until the bytes already
// written have left the port and, since a pseudo-terminal or a USB adapter may report that
// before they have, also until their time on the line (counted from when they were written)
// has passed; so the board sees the whole pause even at 600 baud. The pause then runs from
// there to an absolute deadline. While the driver will take no more bytes it waits for room,
// and gives up only when the line has taken nothing for `stallLimit`. With a watch, it also
// hands the watch its spare time without ever cutting a pause short, and writes long runs
// without pauses in pieces of about a twentieth of a second of wire time, each one sent
// before the next, so that stopping leaves little behind.
class Transmitter
{
public:
    // A breath inside a pause ends at least this long before the pause does.
    static constexpr std::chrono::milliseconds breathMargin{10};
    // The watch breathes about this often.
    static constexpr std::chrono::milliseconds breathPeriod{20};
    // A line that takes no byte for this long has stopped taking them.
    static constexpr std::chrono::seconds stallLimit{5};

    Transmitter(Port &port, Clock &clock)
        : m_port(port)
        , m_clock(clock)
    {}

    // Stops at the first write the port refuses; what went before stays sent.
    TransmitResult transmit(const std::vector<protocol::TransmitStep> &steps,
                            TransmitWatch *watch = nullptr);

    // Characters per second at the port's current settings (start, data, parity and stop
    // bits each take their time).
    double charactersPerSecond() const;

private:
    // What one look at the line found.
    enum class Look { Done, Moved, Still, Failed };

    bool handOver(const std::vector<std::string> &characters, TransmitWatch *watch);
    bool waitForEmptyLine(TransmitWatch *watch);
    bool waitOnLine(const std::function<Look()> &look, std::chrono::nanoseconds nap,
                    TransmitWatch *watch);
    bool pause(Clock::TimePoint deadline, TransmitWatch *watch);
    bool breatheIfDue(TransmitWatch *watch);
    bool fail(const PortResult &failure);

    Port &m_port;
    Clock &m_clock;
    Clock::TimePoint m_lastBreath;
    // When the last byte written is through the line at the latest.
    Clock::TimePoint m_lineFree{};
    std::chrono::nanoseconds m_perCharacter{0};
    TransmitResult m_result;
};

} // namespace serial
