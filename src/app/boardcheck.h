#pragma once

#include "protocol/defaults.h"

#include "protocol/monochrome.h"
#include "protocol/picturecompare.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace board {
struct CheckGroup;
}

namespace app {

// What a board answered to one frame.
struct FrameAnswer
{
    enum class State {
        Ready,   // carried out: "Ready:", after the data of a read
        Refused, // one error line
        Silent,  // no answer in time
        Stalled, // the line took no character for a while; the port is still open
        Failed,  // the port failed or the device is gone
        Stopped, // the person stopped the run
    };
    State state = State::Silent;
    std::string data; // a read's hex pairs
    std::string text; // the whole answer as it came, or why there is none

    // No answer of the board's at all: the run ends.
    bool interrupted() const
    {
        return state == State::Stalled || state == State::Failed || state == State::Stopped;
    }
    bool operator==(const FrameAnswer &) const = default;
};

// A board's whole answer to a frame, read: "Ready:" after a read's data, or an error line.
// Nothing but Silent for an answer that is not complete.
FrameAnswer readAnswer(std::string_view text);

// The seam through which the board check and the pacing search talk to a board: one frame out
// at a pacing, its answer back.
class FrameExchange
{
public:
    virtual ~FrameExchange() = default;
    virtual FrameAnswer exchange(const std::string &frame, int delayMs) = 0;
    // After an answer other than expected: takes and drops what the board still sends until
    // the line has been quiet for `quiet`, so that the next frame starts afresh.
    virtual void settle(std::chrono::milliseconds quiet) = 0;

    // Longer than the firmware waits before it gives up a frame that is missing parts.
    static constexpr std::chrono::milliseconds settleQuiet{3500};
    // The quiet a check waits for before its first frame.
    static constexpr std::chrono::milliseconds startQuiet{250};
};

// A board answers "Ready:" as soon as it has taken a frame, and may go on carrying it out (a
// fill takes the longest) and sending its line end. The board check and the pacing search send
// each frame once the line has been quiet this long after the answer to the one before, as a
// person's clicks come, so that what they find is how the board draws and how it takes the
// characters of a frame, not how soon it can take the next.
std::chrono::milliseconds quietAfterAnswer(std::chrono::nanoseconds characterTime);

// One frame of a group: what the board answered, what the simulated board answers.
struct CheckedFrame
{
    std::string frame;
    FrameAnswer board;
    FrameAnswer expected;

    bool matches() const { return board.state == expected.state && board.data == expected.data; }
};

struct GroupResult
{
    enum class Verdict { Equal, WithinOnePixel, Different, NotCompared };

    std::string name;
    std::vector<CheckedFrame> frames;
    Verdict verdict = Verdict::NotCompared;
    std::string why; // for Different and NotCompared: what the person needs to know first
    std::optional<protocol::Bitmap> board;    // the capture, when there is one
    std::optional<protocol::Bitmap> expected; // what the simulated board shows
    protocol::PictureComparison comparison;

    bool matches() const { return verdict == Verdict::Equal || verdict == Verdict::WithinOnePixel; }
};

// A scratch range of an EEPROM and what became of the person's bytes in it.
struct ScratchResult
{
    std::string eeprom; // "external", "internal"
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    std::optional<std::vector<std::uint8_t>> original; // as read before the check
    bool written = false;                              // the check has sent a write to them
    bool restored = false;                             // written back and read back as they were
};

struct CheckResult
{
    std::vector<GroupResult> groups;
    std::vector<ScratchResult> scratch;
    int delayMs = protocol::defaultDelayMs;
    bool stopped = false;    // by the person, before every group had run
    std::string portFailure; // the port failed, the line stalled or the device was lost: why

    int status() const;
};

// "shapes at the edges and corners: equal", one line per group, and the total.
std::string groupLine(const GroupResult &group);
std::string totalLine(const CheckResult &result);
// Which scratch bytes the check could not put back, with their old values; empty when none.
std::string unrestoredText(const CheckResult &result);

// Runs the suite through `exchange`: the EEPROM scratch ranges read first, the groups one by
// one, each compared with the simulated board, and the scratch bytes written back at the end,
// also after a stop or a stalled line. `progress` hears before each group its index and the
// time the rest will take, as far as it can be told.
class BoardCheck
{
public:
    using Progress = std::function<void(std::size_t group, std::size_t groups,
                                        const std::string &name, std::chrono::milliseconds left)>;

    BoardCheck(FrameExchange &exchange, std::chrono::nanoseconds characterTime);
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // Hears each group as soon as it has been compared.
    void setGroupDone(std::function<void(const GroupResult &)> done)
    {
        m_groupDone = std::move(done);
    }
    // Checked between frames: true ends the check early (the scratch bytes are still restored).
    void setStopRequested(std::function<bool()> stop) { m_stop = std::move(stop); }

    CheckResult run(int delayMs);

    // The pacing a frame goes at: EEPROM and display memory writes as the memory pages send
    // them, everything else at the check's delay.
    static int delayFor(const std::string &frame, int delayMs);

private:
    // Not once the person has asked to stop.
    FrameAnswer send(const std::string &frame, int delayMs);
    // Even then: for the scratch bytes' restoring.
    FrameAnswer exchange(const std::string &frame, int delayMs);
    void readScratch(CheckResult &result);
    void restoreScratch(CheckResult &result);
    // Nothing when the port failed or the person stopped the check meanwhile.
    std::optional<GroupResult> runGroup(const board::CheckGroup &group, int delayMs,
                                        bool scratchSafe);
    std::chrono::milliseconds estimate(const std::vector<std::string> &frames, int delayMs,
                                       bool capture) const;

    FrameExchange &m_exchange;
    std::chrono::nanoseconds m_characterTime;
    Progress m_progress;
    std::function<void(const GroupResult &)> m_groupDone;
    std::function<bool()> m_stop;
    int m_delayMs = protocol::defaultDelayMs;
    bool m_portFailed = false; // nothing more goes out
    std::string m_portFailure; // the check ends: why
};

} // namespace app
