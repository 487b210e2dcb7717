#pragma once

#include "board/framereader.h"

#include <chrono>

namespace board {

using Micros = std::chrono::microseconds;

// The microcontroller's receive buffer holds two characters; a third that arrives while the
// firmware is still busy is lost.
constexpr std::size_t receiveBufferSize = 2;

// Time the firmware spends on every character it takes from the buffer, whatever it is.
constexpr Micros perCharacter{50};

// Time the firmware spends on what one byte completed: a command (from its last field on) or
// one item of a byte list or string.
Micros firmwareTime(Activity activity);

// One character on the wire: a start bit, eight data bits and a stop bit.
Micros characterTime(int baudRate);

} // namespace board
