#pragma once

#include <chrono>

namespace serial {

// Where the transmitter takes its time and its sleep from, so tests can run it on a fake.
class Clock
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
    virtual void sleepUntil(TimePoint deadline) = 0;
};

// The monotonic clock; sleeps to absolute deadlines, so a pause never comes in short and
// pauses never add up drift.
class SteadyClock final : public Clock
{
public:
    // Also asks the kernel to wake this thread on time rather than up to 50 us late.
    SteadyClock();

    TimePoint now() const override;
    void sleepUntil(TimePoint deadline) override;

private:
    static constexpr std::chrono::microseconds spinMargin{400};

    static void sleepTo(TimePoint deadline);
};

} // namespace serial
