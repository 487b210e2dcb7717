#include "serial/clock.h"

#include <cerrno>
#include <ctime>
#include <sys/prctl.h>

namespace serial {

SteadyClock::SteadyClock()
{
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

Clock::TimePoint SteadyClock::now() const
{
    return std::chrono::steady_clock::now();
}

void SteadyClock::sleepUntil(TimePoint deadline)
{
    // The kernel wakes a sleeper a little late, and later still from deep idle after a long
    // pause: sleep to just before the deadline, then watch the clock for the rest.
    const TimePoint wake = deadline - spinMargin;
    if (now() < wake)
        sleepTo(wake);
    while (now() < deadline) {
    }
}

void SteadyClock::sleepTo(TimePoint deadline)
{
    // steady_clock is CLOCK_MONOTONIC on Linux, so its epoch is the one clock_nanosleep uses.
    const auto since = deadline.time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
    timespec until{};
    until.tv_sec = static_cast<time_t>(seconds.count());
    until.tv_nsec = static_cast<long>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds).count());
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

} // namespace serial
