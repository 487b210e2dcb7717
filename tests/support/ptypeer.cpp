#include "support/ptypeer.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <termios.h>
#include <unistd.h>

namespace testing_support {

PtyPeer::PtyPeer(bool realtimeReader)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
        return;
    }
    m_path = ::ptsname(m_master);
    // Holding the far side open keeps the master readable before and after the program
    // under test opens and closes it.
    m_slave = ::open(m_path.c_str(), O_RDWR | O_NOCTTY);
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    m_reader = std::thread([this] { readLoop(); });
    if (realtimeReader) {
        sched_param priority{};
        priority.sched_priority = sched_get_priority_max(SCHED_FIFO);
        pthread_setschedparam(m_reader.native_handle(), SCHED_FIFO, &priority);
    }
}

PtyPeer::~PtyPeer()
{
    m_stop = true;
    if (m_reader.joinable())
        m_reader.join();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

void PtyPeer::readLoop()
{
    char buffer[4096];
    while (!m_stop) {
        pollfd watch{m_master, POLLIN, 0};
        if (::poll(&watch, 1, 5) <= 0 || !(watch.revents & POLLIN))
            continue;
        const ssize_t count = ::read(m_master, buffer, sizeof buffer);
        const auto now = Clock::now();
        if (count <= 0)
            continue;
        std::lock_guard lock(m_mutex);
        for (ssize_t i = 0; i < count; ++i)
            m_arrivals.push_back({now, buffer[i]});
    }
}

void PtyPeer::answer(const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(m_master, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno != EINTR)
            return;
        done += count > 0 ? static_cast<std::size_t>(count) : 0;
    }
}

std::vector<PtyPeer::Arrival> PtyPeer::waitFor(std::size_t count, std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        {
            std::lock_guard lock(m_mutex);
            if (m_arrivals.size() >= count || Clock::now() >= deadline)
                return m_arrivals;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void PtyPeer::clear()
{
    std::lock_guard lock(m_mutex);
    m_arrivals.clear();
}

} // namespace testing_support
