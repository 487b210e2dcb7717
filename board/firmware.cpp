#include "board/firmware.h"

#include <algorithm>
#include <utility>

namespace board {

namespace {

constexpr Micros shortestGap{15'000};
constexpr int gapCharacters = 3;
// Someone typing a number pauses between its digits about as long as between the last two.
constexpr int typedGapFactor = 3;

} // namespace

Firmware::Firmware(bool timing)
    : m_timing(timing)
{}

void Firmware::setBaudRate(int baudRate)
{
    if (baudRate > 0)
        m_baudRate = baudRate;
}

Micros Firmware::gapTime() const
{
    Micros gap = shortestGap;
    if (m_timing)
        gap = std::max(gap, gapCharacters * characterTime(m_baudRate));
    return std::clamp(typedGapFactor * m_pauseBeforeLast, gap, std::max(gap, longestGap));
}

std::size_t Firmware::receivable(Micros now) const
{
    constexpr std::size_t plenty = 1 << 16;
    if (!m_timing)
        return plenty;
    const auto slots = (now - m_lineFree) / characterTime(m_baudRate);
    return slots <= 0 ? 0 : static_cast<std::size_t>(std::min<long>(slots, plenty));
}

void Firmware::receive(std::string_view bytes, Micros now)
{
    const Micros perByte = characterTime(m_baudRate);
    for (const char byte : bytes) {
        Micros arrival = now;
        if (m_timing) {
            // Not before it could first be read, nor before the line has brought the one
            // before it: a burst read at once arrives from then on, one after the other. Dated
            // back to back up to the read, it would eat into the quiet before it.
            arrival = std::max(m_lineFree + perByte, now);
            m_lineFree = arrival;
        }
        if (m_watcher)
            m_watcher(byte, arrival);
        takeUntil(arrival);
        if (m_timing && m_waiting.size() >= receiveBufferSize) {
            ++m_lost;
            continue;
        }
        m_waiting.push_back({byte, arrival});
        takeUntil(arrival);
    }
}

void Firmware::advance(Micros now)
{
    takeUntil(now);
    if (m_waiting.empty())
        quietUntil(now);
}

Micros Firmware::nextWake() const
{
    Micros wake = Micros::max();
    if (!m_waiting.empty())
        wake = std::max(m_waiting.front().at, m_busyUntil);
    else if (!m_gapSent)
        wake = m_lastTaken + gapTime();
    else if (!m_abandonSent)
        wake = m_lastTaken + abandonAfter;
    if (!m_output.empty())
        wake = std::min(wake, m_timing ? m_outputClock + characterTime(m_baudRate) : Micros{0});
    return wake;
}

std::string Firmware::takeOutput(Micros now)
{
    if (!m_timing)
        return std::exchange(m_output, {});
    const Micros perByte = characterTime(m_baudRate);
    std::size_t count = 0;
    while (count < m_output.size() && m_outputClock + perByte <= now) {
        m_outputClock += perByte;
        ++count;
    }
    std::string sent = m_output.substr(0, count);
    m_output.erase(0, count);
    return sent;
}

void Firmware::takeUntil(Micros limit)
{
    while (!m_waiting.empty()) {
        const Arrival next = m_waiting.front();
        const Micros at = std::max(next.at, m_busyUntil);
        if (at > limit)
            return;
        m_waiting.pop_front();
        quietUntil(at);
        take(next.byte, at);
    }
}

void Firmware::take(char byte, Micros at)
{
    const Activity activity = m_reader.feed(byte);
    m_pauseBeforeLast = std::min(at - m_lastTaken, abandonAfter);
    m_lastTaken = at;
    m_gapSent = false;
    m_abandonSent = false;
    if (m_timing)
        m_busyUntil = at + perCharacter + firmwareTime(activity);
    collectOutput(at);
}

void Firmware::quietUntil(Micros at)
{
    if (!m_gapSent && at - m_lastTaken >= gapTime()) {
        m_gapSent = true;
        m_reader.gap();
        collectOutput(m_lastTaken + gapTime());
    }
    if (!m_abandonSent && at - m_lastTaken >= abandonAfter) {
        m_abandonSent = true;
        m_reader.timeout();
        collectOutput(m_lastTaken + abandonAfter);
    }
}

void Firmware::collectOutput(Micros at)
{
    const std::string reply = m_reader.takeOutput();
    if (reply.empty())
        return;
    if (m_output.empty())
        m_outputClock = std::max(m_outputClock, at);
    m_output += reply;
    // The firmware waits for each character of its reply to leave before it reads on.
    if (m_timing)
        m_busyUntil = std::max(m_busyUntil, at)
                      + static_cast<long>(reply.size()) * characterTime(m_baudRate);
}

} // namespace board
