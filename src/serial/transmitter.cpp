#include "serial/transmitter.h"

#include "protocol/linesettings.h"
#include "protocol/utf8.h"

#include <algorithm>
#include <limits>

namespace serial {

double Transmitter::charactersPerSecond() const
{
    const auto line = protocol::parseLineSettings(m_port.settings().toStdString());
    if (!line)
        return 1920.0;
    const int bits = 1 + line->dataBits + (line->parity == 'n' ? 0 : 1) + line->stopBits;
    return static_cast<double>(line->baudRate) / bits;
}

PortResult Transmitter::transmit(const std::vector<protocol::TransmitStep> &steps,
                                 TransmitWatch *watch)
{
    m_lastBreath = m_clock.now();
    const auto pieceSize
            = watch ? std::max<std::size_t>(1, static_cast<std::size_t>(charactersPerSecond() / 20))
                    : std::numeric_limits<std::size_t>::max();
    for (const auto &step : steps) {
        if (step.pauseMs > 0) {
            auto drained = m_port.drain();
            if (!drained.ok)
                return drained;
            if (!pause(step.pauseMs, watch))
                return PortResult::success();
        }
        const auto characters = protocol::utf8Characters(step.bytes);
        for (std::size_t first = 0; first < characters.size(); first += pieceSize) {
            const std::size_t count = std::min(pieceSize, characters.size() - first);
            if (first > 0) {
                auto drained = m_port.drain();
                if (!drained.ok)
                    return drained;
            }
            std::string piece;
            for (std::size_t i = first; i < first + count; ++i)
                piece += characters[i];
            auto result = m_port.write(QByteArray::fromStdString(piece));
            if (!result.ok)
                return result;
            if (watch)
                watch->advanced(count, first == 0 ? step.pauseMs : 0);
            if (!breatheIfDue(watch))
                return PortResult::success();
        }
    }
    return PortResult::success();
}

bool Transmitter::pause(std::int32_t pauseMs, TransmitWatch *watch)
{
    const auto deadline = m_clock.now() + std::chrono::milliseconds(pauseMs);
    // Breaths only ever use the early part of a pause; the end is slept to the deadline.
    while (watch && deadline - m_clock.now() > breathMargin) {
        m_lastBreath = m_clock.now();
        if (!watch->breathe())
            return false;
        m_clock.sleepUntil(std::min(deadline - breathMargin, m_clock.now() + breathPeriod));
    }
    m_clock.sleepUntil(deadline);
    return true;
}

bool Transmitter::breatheIfDue(TransmitWatch *watch)
{
    if (!watch || m_clock.now() - m_lastBreath < breathPeriod)
        return true;
    m_lastBreath = m_clock.now();
    return watch->breathe();
}

} // namespace serial
