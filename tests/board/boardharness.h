#pragma once

#include "board/firmware.h"

#include <string>
#include <string_view>

namespace boardtest {

// Feeds frames to the firmware as a terminal would, each followed by a quiet line, and
// returns what the board answered.
class Harness
{
public:
    explicit Harness(bool timing = false)
        : firmware(timing)
    {}

    std::string send(std::string_view bytes)
    {
        firmware.receive(bytes, m_now);
        m_now += board::Micros{1'000'000};
        firmware.advance(m_now);
        return firmware.takeOutput(m_now);
    }

    // A clear display first, so that only what a test draws is lit.
    std::string sendOnBlank(std::string_view bytes)
    {
        send("]k");
        return send(bytes);
    }

    bool pixel(int x, int y) const { return firmware.lcd().pixel(x, y); }
    int litPixels() const
    {
        int count = 0;
        for (int y = 0; y < board::Lcd::height; ++y) {
            for (int x = 0; x < board::Lcd::width; ++x)
                count += pixel(x, y);
        }
        return count;
    }
    // The lit pixels of one row between two columns, as "#" and ".".
    std::string row(int y, int from, int to) const
    {
        std::string text;
        for (int x = from; x <= to; ++x)
            text += pixel(x, y) ? '#' : '.';
        return text;
    }
    std::string column(int x, int from, int to) const
    {
        std::string text;
        for (int y = from; y <= to; ++y)
            text += pixel(x, y) ? '#' : '.';
        return text;
    }

    board::Firmware firmware;

private:
    board::Micros m_now{0};
};

inline int count(std::string_view text, std::string_view word)
{
    int found = 0;
    for (auto at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1))
        ++found;
    return found;
}

} // namespace boardtest
