#pragma once

#include "protocol/defaults.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace app {

class FrameExchange;

struct PacingResult
{
    struct Trial
    {
        int delayMs = 0;
        bool keptUp = false;
        std::string why; // what went wrong when it did not keep up
    };

    int lowestMs = 1; // the line's own character time, rounded up: the first delay tried
    int highestMs = protocol::defaultDelayMs; // the default pacing: the last
    int smallestMs = 0; // the smallest delay that kept up, twice; 0 when none did
    int marginMs = 0;
    std::vector<Trial> trials; // in the order they ran
    std::string failure;       // the port failed or the search was stopped: why

    bool found() const { return smallestMs > 0; }
    int recommendedMs() const { return smallestMs + marginMs; }
};

// "pacing: 3 ms kept up (tried 1 to 20 ms); XmitDelay 4 ms recommended, 1 ms margin", or why
// none was found.
std::string pacingLine(const PacingResult &result);

// Finds the smallest transmit delay, from the line's own character time up to the default
// 20 ms, at which the board carries out a demanding run of frames without losing a character:
// every frame answered "Ready:" with the data expected, and the display read back as it was
// drawn at 20 ms. The delay found must keep up twice; the recommendation adds a margin of a
// quarter, at least 1 ms, up to 20 ms.
class PacingSearch
{
public:
    PacingSearch(FrameExchange &exchange, std::chrono::nanoseconds characterTime);
    void setStopRequested(std::function<bool()> stop) { m_stop = std::move(stop); }
    void setProgress(std::function<void(int delayMs)> progress)
    {
        m_progress = std::move(progress);
    }

    PacingResult run();

private:
    bool trial(int delayMs, PacingResult &result);

    FrameExchange &m_exchange;
    std::chrono::nanoseconds m_characterTime;
    std::function<bool()> m_stop;
    std::function<void(int)> m_progress;
    std::string m_baseline; // the display as the board drew the run at the default pacing
};

} // namespace app
