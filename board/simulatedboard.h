#pragma once

#include "board/lcd.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace board {

class Firmware;
class PseudoTerminal;

struct BoardOptions
{
    // The timing model: a two-character receive buffer, time per command, the line's rate.
    bool timing = false;
    // For testing board checks only: this drawing command's letter draws in the wrong place.
    char misdrawn = 0;
    // Called on the board's thread with one line per command carried out or refused.
    std::function<void(const std::string &)> onCommand;
    // Called on the board's thread with every character as it arrives on the board's line
    // (with the timing model: when its last bit is in), counted from the board's start.
    std::function<void(char, std::chrono::microseconds)> onArrival;
    // Runs the board's thread at real-time priority where the system allows it, so that on a
    // busy machine it still reads each character when it comes and dates it truly; for
    // measurements. The thread never spins: it always waits on the line or a timeout.
    bool realtime = false;
};

// The Korvel board running its demo firmware, behind a pseudo-terminal that a serial program
// opens as its port. Everything a view needs can be read from any thread.
class SimulatedBoard
{
public:
    explicit SimulatedBoard(BoardOptions options = {});
    ~SimulatedBoard();
    SimulatedBoard(const SimulatedBoard &) = delete;
    SimulatedBoard &operator=(const SimulatedBoard &) = delete;

    // Opens the pseudo-terminal and starts the board's thread.
    bool start(std::string *error);
    // Stops the thread and closes the terminal; the destructor does it too.
    void stop();
    bool running() const { return m_running.load(); }
    std::string devicePath() const;
    bool timing() const { return m_options.timing; }

    LcdMemory lcdMemory() const;
    // Grows whenever the display changes.
    std::uint64_t lcdRevision() const { return m_lcdRevision.load(); }
    // Characters the timing model lost to a full receive buffer.
    std::uint64_t lostCharacters() const { return m_lost.load(); }
    int baudRate() const;
    // The command log after `*cursor`, which moves on; only the latest lines are kept.
    std::vector<std::string> commandLog(std::uint64_t *cursor) const;

    // Bytes taken as if they had come down the line, for tools and tests; the replies go to
    // the terminal while the board runs.
    void receive(std::string_view bytes);

private:
    void run();
    void publish();
    std::chrono::microseconds elapsed() const;

    BoardOptions m_options;
    const std::chrono::steady_clock::time_point m_started;
    std::unique_ptr<PseudoTerminal> m_terminal;
    std::unique_ptr<Firmware> m_firmware;
    mutable std::mutex m_mutex; // guards m_firmware, m_log, m_logEnd and m_replies
    std::deque<std::string> m_log;
    std::uint64_t m_logEnd = 0;
    std::string m_replies;
    std::atomic<std::uint64_t> m_lcdRevision{0};
    std::atomic<std::uint64_t> m_lost{0};
    std::atomic<bool> m_running{false};
    int m_wake[2] = {-1, -1};
    std::thread m_thread;
};

} // namespace board
