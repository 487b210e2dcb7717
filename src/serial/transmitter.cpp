#include "serial/transmitter.h"

#include "protocol/defaults.h"
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
    // Settings that cannot be read count as the default line's.
    const auto line = protocol::parseLineSettings(m_port.settings().toStdString())
                              .value_or(*protocol::parseLineSettings(protocol::defaultSettings));
    return static_cast<double>(line.baudRate) / bitsPerCharacter(line);
}

TransmitResult Transmitter::transmit(const std::vector<protocol::TransmitStep> &steps,
                                     TransmitWatch *watch)
{
    m_result = {};
    m_lastBreath = m_clock.now();
    m_perCharacter = characterTime(m_port.settings());
    const auto pieceSize
            = watch ? std::max<std::size_t>(1, static_cast<std::size_t>(charactersPerSecond() / 20))
                    : std::numeric_limits<std::size_t>::max();
    for (const auto &step : steps) {
        if (step.pauseMs > 0) {
            if (!waitForEmptyLine(watch))
                return m_result;
            // The quiet on the line starts once the last byte is through it.
            const auto quietFrom = std::max(m_clock.now(), m_lineFree);
            if (!pause(quietFrom + std::chrono::milliseconds(step.pauseMs), watch))
                return m_result;
        }
        const auto characters = protocol::utf8Characters(step.bytes);
        for (std::size_t first = 0; first < characters.size(); first += pieceSize) {
            const std::size_t count = std::min(pieceSize, characters.size() - first);
            if (first > 0 && !waitForEmptyLine(watch))
                return m_result;
            const std::vector<std::string> piece(characters.begin() + first,
                                                 characters.begin() + first + count);
            if (!handOver(piece, watch))
                return m_result;
            if (watch)
                watch->advanced(count, first == 0 ? step.pauseMs : 0);
            if (!breatheIfDue(watch))
                return m_result;
        }
    }
    return m_result;
}

bool Transmitter::handOver(const std::vector<std::string> &characters, TransmitWatch *watch)
{
    std::string bytes;
    for (const auto &character : characters)
        bytes += character;
    const QByteArray all = QByteArray::fromStdString(bytes);
    qsizetype done = 0;
    std::size_t whole = 0; // characters wholly taken
    std::size_t wholeBytes = 0;
    const bool handed = waitOnLine(
            [&] {
                qsizetype taken = 0;
                const auto written = m_port.write(all.mid(done), taken);
                done += taken;
                m_lineFree = std::max(m_lineFree, m_clock.now()) + taken * m_perCharacter;
                while (whole < characters.size()
                       && wholeBytes + characters[whole].size() <= static_cast<std::size_t>(done))
                    wholeBytes += characters[whole++].size();
                if (!written.ok) {
                    fail(written);
                    return Look::Failed;
                }
                if (done == all.size())
                    return Look::Done;
                return taken > 0 ? Look::Moved : Look::Still;
            },
            16 * m_perCharacter, watch);
    m_result.sent += whole;
    return handed;
}

bool Transmitter::waitForEmptyLine(TransmitWatch *watch)
{
    qsizetype before = m_port.queued();
    const bool empty = waitOnLine(
            [&] {
                const qsizetype queued = m_port.queued();
                const Look look = queued <= 0       ? Look::Done
                                  : queued < before ? Look::Moved
                                                    : Look::Still;
                before = queued;
                return look;
            },
            m_perCharacter * std::max<qsizetype>(1, before - 1), watch);
    if (!empty)
        return false;
    const auto drained = m_port.drain();
    return drained.ok || fail(drained);
}

bool Transmitter::waitOnLine(const std::function<Look()> &look, std::chrono::nanoseconds nap,
                             TransmitWatch *watch)
{
    using namespace std::chrono_literals;
    auto lastMoved = m_clock.now();
    for (;;) {
        switch (look()) {
        case Look::Done:
            return true;
        case Look::Failed:
            return false;
        case Look::Moved:
            lastMoved = m_clock.now();
            break;
        case Look::Still:
            if (m_clock.now() - lastMoved >= stallLimit) {
                m_result.end = TransmitResult::End::Stalled;
                return false;
            }
            break;
        }
        if (!breatheIfDue(watch))
            return false;
        m_clock.sleepUntil(m_clock.now() + std::clamp<std::chrono::nanoseconds>(nap, 50us, 20ms));
    }
}

bool Transmitter::fail(const PortResult &failure)
{
    m_result.end = TransmitResult::End::Failed;
    m_result.failure = failure;
    return false;
}

bool Transmitter::pause(Clock::TimePoint deadline, TransmitWatch *watch)
{
    // Breaths only ever use the early part of a pause; the end is slept to the deadline.
    while (watch && deadline - m_clock.now() > breathMargin) {
        m_lastBreath = m_clock.now();
        if (!watch->breathe()) {
            m_result.end = TransmitResult::End::Stopped;
            return false;
        }
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
    if (watch->breathe())
        return true;
    m_result.end = TransmitResult::End::Stopped;
    return false;
}

} // namespace serial
