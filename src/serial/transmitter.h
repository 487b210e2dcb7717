#pragma once

#include "protocol/transmission.h"
#include "serial/port.h"

#include <vector>

namespace serial {

class Clock;

// Puts a planned transmission on the wire. Before each pause it waits until the bytes already
// written have left the port, so the board sees the whole pause even at 600 baud; the pause
// then runs to an absolute deadline.
class Transmitter
{
public:
    Transmitter(Port &port, Clock &clock)
        : m_port(port)
        , m_clock(clock)
    {}

    // Stops at the first write the port refuses; what went before stays sent.
    PortResult transmit(const std::vector<protocol::TransmitStep> &steps);

private:
    Port &m_port;
    Clock &m_clock;
};

} // namespace serial
