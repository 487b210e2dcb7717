#include "board/timing.h"

#include <algorithm>

namespace board {

namespace {

using namespace std::chrono_literals;

struct Cost
{
    char letter;
    Micros command;
    Micros item; // per byte of a list, per character of a string
};

// Measured on the board's BASIC firmware, rounded up. Drawing stays below the 20 ms that
// Sketra waits before each command key; strings, LCD bytes and EEPROM writes take longer
// than the two characters that arrive meanwhile when nothing paces them.
constexpr Cost costs[] = {
        {'a', 300us, 0us},    {'b', 8ms, 0us},   {'c', 6ms, 0us},   {'d', 300us, 0us},
        {'e', 300us, 0us},    {'f', 12ms, 0us},  {'g', 300us, 0us}, {'h', 0us, 3ms},
        {'i', 6ms, 0us},      {'j', 6ms, 0us},   {'k', 10ms, 0us},  {'l', 4ms, 0us},
        {'m', 300us, 2500us}, {'n', 300us, 0us}, {'o', 300us, 5ms}, {'p', 1500us, 0us},
        {'q', 4ms, 0us},      {'r', 8ms, 0us},   {'s', 4ms, 0us},   {'t', 5ms, 0us},
        {'u', 500us, 0us},    {'v', 0us, 3ms},   {'w', 300us, 4ms}, {'x', 4ms, 0us},
        {'y', 4ms, 0us},
};

} // namespace

Micros firmwareTime(Activity activity)
{
    if (activity.kind == Activity::Nothing)
        return Micros{0};
    const auto found = std::find_if(std::begin(costs), std::end(costs), [&](const Cost &cost) {
        return cost.letter == activity.letter;
    });
    if (found == std::end(costs))
        return Micros{0};
    return activity.kind == Activity::Command ? found->command : found->item;
}

Micros characterTime(int baudRate)
{
    constexpr long bitsPerCharacter = 10;
    return Micros{bitsPerCharacter * 1'000'000 / std::max(baudRate, 50)};
}

} // namespace board
