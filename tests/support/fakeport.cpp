#include "support/fakeport.h"

#include "serial/transmitter.h"

#include <algorithm>
#include <cstdio>

namespace testing_support {

void FakeClock::sleepUntil(TimePoint deadline)
{
    if (deadline > m_now)
        m_now = deadline;
}

std::chrono::milliseconds FakeClock::elapsed() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(m_now.time_since_epoch());
}

QString FakePort::deviceName(int number) const
{
    return QStringLiteral("/dev/fake%1").arg(number);
}

serial::PortResult FakePort::open()
{
    if (!openResult.ok)
        return openResult;
    m_open = true;
    m_fault = serial::PortResult::success();
    openedWith.push_back(QStringLiteral("%1 @ %2").arg(m_settings).arg(m_number));
    return serial::PortResult::success();
}

void FakePort::close()
{
    m_open = false;
    m_fault = serial::PortResult::success();
    ++closes;
}

void FakePort::loseDevice(const QString &reason)
{
    m_open = false;
    m_fault = serial::PortResult::failure(reason);
}

serial::PortResult FakePort::drain()
{
    ++drains;
    if (drainWaits && m_fault.ok && drainResult.ok)
        m_clock.sleepUntil(serial::Clock::TimePoint(m_lineFree));
    return m_fault.ok ? drainResult : m_fault;
}

serial::PortResult FakePort::write(const QByteArray &bytes, qsizetype &taken)
{
    taken = 0;
    if (onWrite && m_open)
        onWrite();
    if (!m_fault.ok)
        return m_fault;
    if (!m_open)
        return serial::PortResult::failure(QStringLiteral("closed"));
    for (char byte : bytes) {
        if (refuseWritesAfter >= 0 && static_cast<int>(written.size()) >= refuseWritesAfter)
            return serial::PortResult::failure(QStringLiteral("Input/output error"));
        if (fullAfter >= 0 && static_cast<int>(written.size()) >= fullAfter)
            break;
        written.emplace_back(m_clock.sinceStart(), byte);
        ++taken;
        m_lineFree = std::max(m_lineFree, m_clock.sinceStart()) + serial::characterTime(m_settings);
    }
    return serial::PortResult::success();
}

QByteArray FakePort::readAll()
{
    if (onRead)
        onRead();
    QByteArray taken;
    taken.swap(incoming);
    return taken;
}

std::string FakePort::wire() const
{
    std::string bytes;
    for (const auto &entry : written)
        bytes += entry.second;
    return bytes;
}

std::string FakePort::schedule() const
{
    using namespace std::chrono;
    const auto perCharacter = serial::characterTime(m_settings);
    std::string log;
    nanoseconds lineFree{0};
    for (const auto &[at, byte] : written) {
        const auto quiet = at - std::min(at, lineFree);
        if (quiet % milliseconds(1) == nanoseconds(0)) {
            if (quiet > nanoseconds(0))
                log += "<" + std::to_string(duration_cast<milliseconds>(quiet).count()) + ">";
        } else {
            char text[32];
            std::snprintf(text, sizeof text, "<%.3f>", duration<double, std::milli>(quiet).count());
            log += text;
        }
        lineFree = std::max(at, lineFree) + perCharacter;
        log += byte;
    }
    return log;
}

} // namespace testing_support
