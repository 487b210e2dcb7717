#pragma once

#include "serial/clock.h"
#include "serial/port.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// A clock that only moves when someone sleeps on it.
class FakeClock final : public serial::Clock
{
public:
    TimePoint now() const override { return m_now; }
    void sleepUntil(TimePoint deadline) override;

    std::chrono::milliseconds elapsed() const;
    std::chrono::nanoseconds sinceStart() const { return m_now.time_since_epoch(); }

private:
    TimePoint m_now{};
};

// A port that records every byte with the fake clock's time and plays back what the board
// "sends". Its schedule is the line as the board sees it, each byte taking its time at the
// port's settings and following the one before it: "<20>]c<20>]402014" is 20 ms of quiet,
// "]c", another 20 ms of quiet, then "]402014". Its drain returns at once, as a
// pseudo-terminal's does, unless `drainWaits` asks it to wait for the line as a UART's does.
class FakePort final : public serial::Port
{
public:
    explicit FakePort(FakeClock &clock)
        : m_clock(clock)
    {}

    void setPortNumber(int number) override { m_number = number; }
    int portNumber() const override { return m_number; }
    QString deviceName(int number) const override;
    void setSettings(const QString &settings) override { m_settings = settings; }
    QString settings() const override { return m_settings; }

    serial::PortResult open() override;
    void close() override;
    bool isOpen() const override { return m_open; }

    serial::PortResult write(const QByteArray &bytes, qsizetype &taken) override;
    qsizetype queued() override { return 0; }
    serial::PortResult drain() override;
    serial::PortResult fault() const override { return m_fault; }
    // The device goes away as an unplugged adapter does: the port lets go of it, and every
    // read and write from then on finds out why.
    void loseDevice(const QString &reason);
    QByteArray readAll() override;

    std::string wire() const;
    std::string schedule() const;

    // What the test arranges.
    QByteArray incoming;
    serial::PortResult openResult = serial::PortResult::success();
    int refuseWritesAfter = -1; // bytes accepted before the port refuses; -1 never
    int fullAfter = -1;         // bytes taken before the driver is full for good; -1 never
    serial::PortResult drainResult = serial::PortResult::success();
    std::function<void()> onWrite; // runs at every write, to look at the window meanwhile
    std::function<void()> onRead;  // runs at every read, to make the board go on talking
    bool drainWaits = false;
    // What the test reads.
    std::vector<std::pair<std::chrono::nanoseconds, char>> written; // handed over when
    std::vector<QString> openedWith; // "settings @ number" of every successful open
    int closes = 0;
    int drains = 0;

private:
    FakeClock &m_clock;
    int m_number = 0;
    QString m_settings;
    bool m_open = false;
    serial::PortResult m_fault;
    std::chrono::nanoseconds m_lineFree{0};
};

} // namespace testing_support
