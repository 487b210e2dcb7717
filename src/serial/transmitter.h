#pragma once

#include "protocol/transmission.h"
#include "serial/clock.h"
#include "serial/port.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
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

// Puts a planned transmission on the wire. Before each pause it waits until the bytes already
// written have left the port, so the board sees the whole pause even at 600 baud; the pause
// then runs to an absolute deadline. With a watch, it also hands the watch its spare time
// without ever cutting a pause short, and writes long runs without pauses in pieces of about
// a twentieth of a second of wire time, each one sent before the next, so that stopping
// leaves little behind.
class Transmitter
{
public:
    // A breath inside a pause ends at least this long before the pause does.
    static constexpr std::chrono::milliseconds breathMargin{10};
    // The watch breathes about this often.
    static constexpr std::chrono::milliseconds breathPeriod{20};

    Transmitter(Port &port, Clock &clock)
        : m_port(port)
        , m_clock(clock)
    {}

    // Stops at the first write the port refuses; what went before stays sent. A watch that
    // asks to stop ends it without a failure.
    PortResult transmit(const std::vector<protocol::TransmitStep> &steps,
                        TransmitWatch *watch = nullptr);

    // Characters per second at the port's current settings (start, data, parity and stop
    // bits each take their time).
    double charactersPerSecond() const;

private:
    bool pause(std::int32_t pauseMs, TransmitWatch *watch);
    bool breatheIfDue(TransmitWatch *watch);

    Port &m_port;
    Clock &m_clock;
    Clock::TimePoint m_lastBreath;
};

} // namespace serial
