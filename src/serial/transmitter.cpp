#include "serial/transmitter.h"

#include "serial/clock.h"

namespace serial {

PortResult Transmitter::transmit(const std::vector<protocol::TransmitStep> &steps)
{
    for (const auto &step : steps) {
        if (step.pauseMs > 0) {
            m_port.drain();
            m_clock.sleepUntil(m_clock.now() + std::chrono::milliseconds(step.pauseMs));
        }
        auto result = m_port.write(QByteArray::fromStdString(step.bytes));
        if (!result.ok)
            return result;
    }
    return PortResult::success();
}

} // namespace serial
