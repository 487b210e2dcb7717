#pragma once

#include "board/commands.h"
#include "board/framereader.h"
#include "board/timing.h"

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace board {

// The board's microcontroller: the command reader and what it drives, behind the serial line.
// Without the timing model every character is taken the moment it arrives. With it, characters
// arrive no faster than the line's rate, wait in the two-character receive buffer while the
// firmware is busy and are lost when it is full, and replies leave at the line's rate.
// Times are counted from the board's start; nothing here reads a clock.
class Firmware
{
public:
    explicit Firmware(bool timing = false);

    void setBaudRate(int baudRate);
    int baudRate() const { return m_baudRate; }
    bool timing() const { return m_timing; }

    // How many characters the line can have brought by `now`: with the timing model one per
    // character time since the last, so a reader of the line takes no more than that.
    std::size_t receivable(Micros now) const;
    // Characters read from the line at `now`. With the timing model the first arrives then (or
    // once the line is free) and the rest follow at the line's rate, even if that is later.
    void receive(std::string_view bytes, Micros now);
    // Told of each character received, with the time it arrived on the line.
    void watchArrivals(std::function<void(char, Micros)> watcher)
    {
        m_watcher = std::move(watcher);
    }
    // Lets time pass up to `now`: waiting characters are taken, a quiet line ends a frame.
    void advance(Micros now);
    // When advance() has something to do next; Micros::max() when only input can wake it.
    Micros nextWake() const;
    // What the board has sent by `now`.
    std::string takeOutput(Micros now);
    std::vector<std::string> takeLog() { return m_reader.takeLog(); }

    const Lcd &lcd() const { return m_commands.lcd(); }
    Commands &commands() { return m_commands; }
    std::uint64_t lostCharacters() const { return m_lost; }

    // A frame whose fields are all in ends after this much quiet: a short spell when its
    // characters came quickly, as a program sends them; when the last one came slowly, as a
    // person types, three times the pause before it, up to `longestGap`. An unfinished frame
    // is given up after `abandonAfter`.
    Micros gapTime() const;
    static constexpr Micros longestGap{1'000'000};
    static constexpr Micros abandonAfter{3'000'000};

private:
    struct Arrival
    {
        char byte;
        Micros at;
    };

    void takeUntil(Micros limit);
    void take(char byte, Micros at);
    void quietUntil(Micros at);
    void collectOutput(Micros at);

    Commands m_commands;
    FrameReader m_reader{m_commands};
    bool m_timing = false;
    int m_baudRate = 19200;

    std::deque<Arrival> m_waiting;
    // Long before the start: the line and the firmware have been idle.
    Micros m_lineFree{-1'000'000'000};
    Micros m_busyUntil{-1'000'000'000};
    Micros m_lastTaken{0};
    Micros m_pauseBeforeLast{0};
    bool m_gapSent = true;
    bool m_abandonSent = true;
    std::uint64_t m_lost = 0;

    std::string m_output;
    Micros m_outputClock{0};
    std::function<void(char, Micros)> m_watcher;
};

} // namespace board
