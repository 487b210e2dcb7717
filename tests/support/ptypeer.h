#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// The far end of a pseudo-terminal, standing where the board would: it timestamps every byte
// that arrives the moment its reader thread sees it, and can answer with bytes of its own.
class PtyPeer
{
public:
    using Clock = std::chrono::steady_clock;
    struct Arrival
    {
        Clock::time_point at;
        char byte;
    };

    // A real-time reader (where the system allows it) sees each byte the moment it arrives,
    // even on a busy machine; the pacing benchmark asks for one.
    explicit PtyPeer(bool realtimeReader = false);
    ~PtyPeer();
    PtyPeer(const PtyPeer &) = delete;
    PtyPeer &operator=(const PtyPeer &) = delete;

    bool ok() const { return m_master >= 0; }
    std::string devicePath() const { return m_path; }

    void answer(const std::string &bytes);
    // Waits until `count` bytes have arrived or the timeout passes; returns what has arrived.
    std::vector<Arrival> waitFor(std::size_t count, std::chrono::milliseconds timeout);
    void clear();

private:
    void readLoop();

    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<Arrival> m_arrivals;
    std::thread m_reader;
};

} // namespace testing_support
