#include "app/pacingsearch.h"

#include "app/boardcheck.h"
#include "app/scriptrunner.h"
#include "board/checksuite.h"
#include "protocol/defaults.h"

#include <algorithm>

namespace app {

using protocol::defaultDelayMs;

std::string pacingLine(const PacingResult &result)
{
    const std::string range = "tried " + std::to_string(result.lowestMs) + " to "
                              + std::to_string(result.highestMs) + " ms";
    if (!result.failure.empty())
        return "pacing: not found (" + result.failure + ")";
    if (!result.found())
        return "pacing: NOT FOUND, the board lost characters even at "
               + std::to_string(result.highestMs) + " ms (" + range + ")";
    return "pacing: " + std::to_string(result.smallestMs) + " ms kept up (" + range
           + "); XmitDelay " + std::to_string(result.recommendedMs()) + " ms recommended, "
           + std::to_string(result.marginMs) + " ms margin";
}

PacingSearch::PacingSearch(FrameExchange &exchange, std::chrono::nanoseconds characterTime)
    : m_exchange(exchange)
    , m_characterTime(characterTime)
{}

bool PacingSearch::trial(int delayMs, PacingResult &result)
{
    if (m_progress)
        m_progress(delayMs);
    board::ReferenceBoard reference;
    PacingResult::Trial trial{delayMs, true, {}};
    auto frames = board::pacingSequence();
    frames.emplace_back(board::pacingCaptureFrame);
    for (const std::string &frame : frames) {
        if (m_stop && m_stop()) {
            result.failure = "stopped";
            return false;
        }
        const FrameAnswer answer = m_exchange.exchange(frame, delayMs);
        if (answer.interrupted()) {
            result.failure = answer.text;
            return false;
        }
        if (answer.state == FrameAnswer::State::Ready)
            m_exchange.settle(quietAfterAnswer(m_characterTime));
        const FrameAnswer expected = readAnswer(reference.answer(frame));
        if (answer.state != FrameAnswer::State::Ready) {
            trial.keptUp = false;
            trial.why = printable(frame, 12) + " was answered with "
                        + (answer.state == FrameAnswer::State::Refused ? printable(answer.text, 60)
                                                                       : "nothing in time");
            break;
        }
        // The drawing is compared with the board's own at the default pacing, so a board
        // that draws a little differently from the simulated one is still judged by its losses.
        const bool isCapture = frame == board::pacingCaptureFrame;
        if (isCapture && delayMs == defaultDelayMs && m_baseline.empty())
            m_baseline = answer.data;
        const std::string &wanted = isCapture ? m_baseline : expected.data;
        if (answer.data != wanted) {
            trial.keptUp = false;
            trial.why = isCapture ? "the display read back differs"
                                  : printable(frame, 12) + " read back other data";
            break;
        }
    }
    if (!trial.keptUp)
        m_exchange.settle(FrameExchange::settleQuiet);
    result.trials.push_back(trial);
    return trial.keptUp;
}

PacingResult PacingSearch::run()
{
    using namespace std::chrono;
    PacingResult result;
    const auto characterMs = duration_cast<microseconds>(m_characterTime).count();
    result.lowestMs = std::clamp(static_cast<int>((characterMs + 999) / 1000), 1, defaultDelayMs);
    result.highestMs = defaultDelayMs;
    m_baseline.clear();

    // The default first: it gives the display to compare with, and if even it loses
    // characters there is nothing to search.
    const auto keptUp = [&](int delayMs) {
        return trial(delayMs, result);
    };
    if (!keptUp(defaultDelayMs))
        return result;
    int low = result.lowestMs - 1; // the largest delay known not to keep up
    int high = defaultDelayMs;     // the smallest known to keep up
    if (result.failure.empty() && low + 1 < high && keptUp(low + 1))
        high = low + 1;
    else
        ++low;
    while (result.failure.empty() && high - low > 1) {
        const int middle = (low + high) / 2;
        (keptUp(middle) ? high : low) = middle;
    }
    // The delay found must keep up twice in a row: one that kept up by luck moves it up, and
    // the next must then keep up twice in its turn. The default, the most ever recommended,
    // keeps up once.
    for (int passes = 1; result.failure.empty() && high < defaultDelayMs && passes < 2;) {
        if (keptUp(high)) {
            ++passes;
        } else {
            ++high;
            passes = 0;
        }
    }
    if (!result.failure.empty())
        return result;
    result.smallestMs = high;
    result.marginMs = std::min(std::max(1, (high + 3) / 4), defaultDelayMs - high);
    return result;
}

} // namespace app
