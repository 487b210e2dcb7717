#pragma once

#include "app/framesender.h"
#include "protocol/defaults.h"
#include "protocol/framefile.h"

#include <QByteArray>
#include <QObject>

#include <chrono>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace app {

struct Options;

// One frame of a script, with its line and the pacing the script's comments set for it.
using ScriptFrame = protocol::FileFrame;

// A script's frames as its lines arrive, so that a pipe kept open (`tail -f frames | sketra
// --send -`) sends each frame as soon as its line is there.
class ScriptSource
{
public:
    // Refused: a pacing comment that cannot be read; `frame` holds its line and why.
    enum class Next { Frame, End, TooLong, Failed, Refused };
    // Reads up to `size` bytes into `buffer`, as read(2) does: 0 at the end, -1 on a failure.
    using Read = std::function<long(char *buffer, std::size_t size)>;

    explicit ScriptSource(Read read);
    // Reads `descriptor`, which stays the caller's.
    static ScriptSource reading(int descriptor);

    Next next(ScriptFrame &frame);

private:
    Read m_read;
    std::string m_buffer;
    int m_line = 0;
    bool m_ended = false;
    protocol::FrameFileReader m_reader;
};

// A frame or a board's line made fit for a terminal: control bytes escaped, and cut with its
// length said when it is long.
std::string printable(std::string_view text, std::size_t longest);

// Sends a script's frames through the board connection, one after the other, each once the
// board has answered the one before.
class ScriptRunner
{
public:
    struct Pacing
    {
        int delayMs = protocol::defaultDelayMs;
        std::string waitChar{protocol::defaultWaitChar};
        // The longest quiet while waiting for an answer.
        std::chrono::milliseconds timeout{protocol::defaultTimeoutMs};
    };
    // The next frame, as ScriptSource gives it.
    using FrameSupply = std::function<ScriptSource::Next(ScriptFrame &)>;

    // What the board answers goes to `out` a line at a time, each line end a "\n"; why a run
    // stops goes to `err`.
    ScriptRunner(serial::BoardConnection &connection, std::ostream &out, std::ostream &err);

    // Opens the port, sends, closes; a frame whose script set its own pacing goes out at that.
    // 0: every frame answered (a script without frames included); 1: one refused, not
    // answered in time, not taken by the line, or a line longer than any frame; 2: the port
    // could not be opened, refused a write or went away, or the script's pacing could not be
    // read.
    int run(const FrameSupply &next, const Pacing &pacing);
    int run(const std::vector<ScriptFrame> &frames, const Pacing &pacing);

private:
    void take(const QByteArray &bytes);
    void printLine(std::string_view line);
    int stop(int status, const std::string &why);

    std::ostream &m_out;
    std::ostream &m_err;
    FrameSender m_sender;
    std::string m_line; // the board's line being printed, until its end comes
};

// `sketra --send`: opens the script and the port the options name and runs it.
int runScript(const Options &options, std::ostream &out, std::ostream &err);

} // namespace app
