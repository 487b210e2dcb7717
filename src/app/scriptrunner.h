#pragma once

#include "protocol/framefile.h"
#include "serial/transmitter.h"

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace serial {
class Clock;
class Port;
} // namespace serial

namespace app {

struct Options;

// One frame of a script, with its line and the pacing the script's comments set for it.
using ScriptFrame = protocol::FileFrame;

// How far the board has answered a frame: the text it sent since the frame, looked at for the
// board's "Ready:" or one whole error line, whichever comes first.
struct ReplyCheck
{
    enum class State { Pending, Ready, Refused };
    State state = State::Pending;
    std::size_t length = 0; // the characters of the answer, up to and including its end
};
ReplyCheck checkReply(std::string_view received);

// Sends a script's frames through the paced transmitter, one after the other, each once the
// board has answered the one before.
class ScriptRunner
{
public:
    struct Pacing
    {
        int delayMs = 20;
        std::string waitChar = "]";
        std::chrono::milliseconds timeout{5000}; // the longest quiet while waiting for an answer
    };

    // What the board answers goes to `out` with each line end a "\n"; why a run stops goes
    // to `err`.
    ScriptRunner(serial::Port &port, serial::Clock &clock, std::ostream &out, std::ostream &err);

    // Opens the port, sends, closes. A frame whose script set its own pacing is sent at that. 0:
    // every frame answered; 1: one refused or not answered in time, and nothing after it sent; 2:
    // the port could not be opened or refused a write.
    int run(const std::vector<ScriptFrame> &frames, const Pacing &pacing);

private:
    ReplyCheck::State awaitAnswer(std::chrono::milliseconds timeout);
    void print(std::string_view received);
    int stop(int status, const std::string &why);

    serial::Port &m_port;
    serial::Clock &m_clock;
    serial::Transmitter m_transmitter;
    std::ostream &m_out;
    std::ostream &m_err;
    std::string m_received;  // what the board sent that no frame's answer has taken yet
    bool m_lineOpen = false; // the output's last line has no line end yet
};

// `sketra --send`: reads the script, opens the port the options name and runs it.
int runScript(const Options &options, std::ostream &out, std::ostream &err);

// Whether the command line asks for a run without a window; main() asks before it makes one.
bool asksForScript(int argc, char *argv[]);
// The whole program for such a run: the command line, the script, the exit status.
int scriptMain(int argc, char *argv[]);

} // namespace app
