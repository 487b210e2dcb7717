#include "serial/transmitter.h"

#include "protocol/linesettings.h"
#include "protocol/utf8.h"

#include <algorithm>
#include <limits>

namespace serial {

namespace {

// A start bit, the data bits, the parity bit if any and the stop bits.
int bitsPerCharacter(const protocol::LineSettings &line)
{
    return 1 + line.dataBits + (line.parity == 'n' ? 0 : 1) + line.stopBits;
}

} // namespace

std::chrono::nanoseconds characterTime(const QString &settings)
{
    const auto line = protocol::parseLineSettings(settings.toStdString());
    if (!line)
        return std::chrono::nanoseconds{0};
    return std::chrono::nanoseconds{std::int64_t{1'000'000'000} * bitsPerCharacter(*line)
                                    / line->baudRate};
}

double Transmitter::charactersPerSecond() const
{
    const auto line = protocol::parseLineSettings(m_port.settings().toStdString());
    if (!line)
        return 1920.0;
    return static_cast<double>(line->baudRate) / bitsPerCharacter(*line);
}

PortResult Transmitter::transmit(const std::vector<protocol::TransmitStep> &steps,
                                 TransmitWatch *watch)
{
    m_lastBreath = m_clock.now();
    const auto perCharacter = characterTime(m_port.settings());
    const auto pieceSize
            = watch ? std::max<std::size_t>(1, static_cast<std::size_t>(charactersPerSecond() / 20))
                    : std::numeric_limits<std::size_t>::max();
    for (const auto &step : steps) {
        if (step.pauseMs > 0) {
            auto drained = m_port.drain();
            if (!drained.ok)
                return drained;
            // The quiet on the line starts once the last byte is through it.
            const auto quietFrom = std::max(m_clock.now(), m_lineFree);
            if (!pause(quietFrom + std::chrono::milliseconds(step.pauseMs), watch))
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
            m_lineFree = std::max(m_lineFree, m_clock.now())
                         + static_cast<std::int64_t>(piece.size()) * perCharacter;
            if (watch)
                watch->advanced(count, first == 0 ? step.pauseMs : 0);
            if (!breatheIfDue(watch))
                return PortResult::success();
        }
    }
    return PortResult::success();
}

bool Transmitter::pause(Clock::TimePoint deadline, TransmitWatch *watch)
{
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
