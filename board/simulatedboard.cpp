#include "board/simulatedboard.h"

#include "board/firmware.h"
#include "board/pseudoterminal.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace board {

namespace {

using namespace std::chrono_literals;

constexpr std::size_t keptLogLines = 1000;
// Replies nobody reads pile up no further than this.
constexpr std::size_t mostReplies = 1 << 20;
// The thread looks at the line's rate and the stop request at least this often.
constexpr auto longestSleep = 50ms;

} // namespace

SimulatedBoard::SimulatedBoard(BoardOptions options)
    : m_options(std::move(options))
    , m_started(std::chrono::steady_clock::now())
    , m_terminal(std::make_unique<PseudoTerminal>())
    , m_firmware(std::make_unique<Firmware>(m_options.timing))
{
    m_lcdRevision = m_firmware->lcd().revision();
    m_firmware->watchArrivals(m_options.onArrival);
    m_firmware->commands().setMisdrawn(m_options.misdrawn);
}

SimulatedBoard::~SimulatedBoard()
{
    stop();
}

bool SimulatedBoard::start(std::string *error)
{
    if (running())
        return true;
    if (!m_terminal->open(error))
        return false;
    if (::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        if (error)
            *error = "pipe2 failed";
        m_terminal->close();
        return false;
    }
    m_running = true;
    m_thread = std::thread([this] { run(); });
    if (m_options.realtime) {
        sched_param priority{};
        priority.sched_priority = sched_get_priority_max(SCHED_FIFO);
        pthread_setschedparam(m_thread.native_handle(), SCHED_FIFO, &priority);
    }
    return true;
}

void SimulatedBoard::stop()
{
    if (m_thread.joinable()) {
        const char stopByte = 0;
        while (::write(m_wake[1], &stopByte, 1) < 0 && errno == EINTR) {
        }
        m_thread.join();
    }
    m_running = false;
    for (int &fd : m_wake) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    m_terminal->close();
}

std::string SimulatedBoard::devicePath() const
{
    return m_terminal->slavePath();
}

LcdMemory SimulatedBoard::lcdMemory() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware->lcd().memory();
}

int SimulatedBoard::baudRate() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware->baudRate();
}

std::vector<std::string> SimulatedBoard::commandLog(std::uint64_t *cursor) const
{
    std::lock_guard lock(m_mutex);
    const std::uint64_t first = m_logEnd - m_log.size();
    const std::uint64_t from = std::clamp(*cursor, first, m_logEnd);
    *cursor = m_logEnd;
    return {m_log.begin() + static_cast<std::ptrdiff_t>(from - first), m_log.end()};
}

void SimulatedBoard::receive(std::string_view bytes)
{
    {
        std::lock_guard lock(m_mutex);
        const auto now = elapsed();
        m_firmware->receive(bytes, now);
        m_firmware->advance(now);
    }
    publish();
}

std::chrono::microseconds SimulatedBoard::elapsed() const
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now()
                                                                 - m_started);
}

// Moves what the firmware produced out to the log, the counters and the reply queue.
void SimulatedBoard::publish()
{
    std::vector<std::string> lines;
    {
        std::lock_guard lock(m_mutex);
        const auto now = elapsed();
        m_firmware->advance(now);
        const std::string replies = m_firmware->takeOutput(now);
        if (running() && m_replies.size() + replies.size() <= mostReplies)
            m_replies += replies;
        lines = m_firmware->takeLog();
        const std::uint64_t lost = m_firmware->lostCharacters();
        if (lost != m_lost)
            lines.push_back("(" + std::to_string(lost - m_lost)
                            + " characters lost: the receive buffer was full)");
        for (const std::string &line : lines) {
            m_log.push_back(line);
            ++m_logEnd;
        }
        while (m_log.size() > keptLogLines)
            m_log.pop_front();
        m_lcdRevision = m_firmware->lcd().revision();
        m_lost = lost;
    }
    if (m_options.onCommand) {
        for (const std::string &line : lines)
            m_options.onCommand(line);
    }
}

void SimulatedBoard::run()
{
    // Wake on time from the short sleeps between characters, not up to 50 us late.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    const int master = m_terminal->master();
    char buffer[4096];
    for (;;) {
        publish();
        std::string replies;
        std::size_t room = 0;
        auto sleep = std::chrono::duration_cast<std::chrono::microseconds>(longestSleep);
        {
            std::lock_guard lock(m_mutex);
            m_firmware->setBaudRate(m_terminal->lineRate());
            const auto now = elapsed();
            room = std::min(m_firmware->receivable(now), sizeof buffer);
            sleep = std::clamp(m_firmware->nextWake() - now, 0us, sleep);
            if (room == 0) // the line brings its next character one character time on
                sleep = std::min(sleep, characterTime(m_firmware->baudRate()));
            replies.swap(m_replies);
        }
        std::size_t written = 0;
        while (written < replies.size()) {
            const ssize_t n = ::write(master, replies.data() + written, replies.size() - written);
            if (n <= 0)
                break;
            written += static_cast<std::size_t>(n);
        }
        if (written < replies.size()) {
            std::lock_guard lock(m_mutex);
            m_replies.insert(0, replies, written);
        }

        pollfd watched[2] = {{master, 0, 0}, {m_wake[0], POLLIN, 0}};
        if (room > 0)
            watched[0].events |= POLLIN;
        if (written < replies.size())
            watched[0].events |= POLLOUT;
        const timespec wait{0, static_cast<long>(sleep.count()) * 1000};
        if (::ppoll(watched, 2, &wait, nullptr) < 0 && errno != EINTR)
            return;
        if (watched[1].revents != 0)
            return;
        if (watched[0].revents & POLLIN) {
            const ssize_t n = ::read(master, buffer, room);
            if (n > 0) {
                std::lock_guard lock(m_mutex);
                m_firmware->receive({buffer, static_cast<std::size_t>(n)}, elapsed());
            }
        } else if (watched[0].revents & (POLLHUP | POLLERR)) {
            ::ppoll(watched + 1, 1, &wait, nullptr);
        }
    }
}

} // namespace board
