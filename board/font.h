#pragma once

#include <array>
#include <cstdint>

namespace board {

// A character of the firmware's 5 x 7 font: five column bytes, least significant bit on top.
using Glyph = std::array<std::uint8_t, 5>;

constexpr int glyphWidth = 5;
// A character cell: the glyph, one blank column after it and one blank row below it.
constexpr int cellWidth = 6;
constexpr int cellHeight = 8;

// The glyph drawn for a byte. The string pages send ";" for a blank, so the font draws it as
// one; bytes outside printable ASCII show as a hollow box.
Glyph glyphFor(char c);

} // namespace board
