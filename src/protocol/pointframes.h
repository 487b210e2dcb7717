#pragma once

#include "protocol/refusal.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

// One dot set: "]d]" X Y.
Encoded setDotFrame(Entry x, Entry y);
// One dot toggled: "]e]" X Y.
Encoded resetDotFrame(Entry x, Entry y);
// A byte of display data at X, Y: "]u]" X Y B. Values above 255 go out in full.
Encoded putByteFrame(Entry x, Entry y, Entry value);
// A character at X, Y: "]p]" X Y "]" and the character exactly as typed, possibly none.
// A character beyond plain ASCII is refused: the board reads one byte per character.
Encoded putCharacterFrame(Entry x, Entry y, std::string_view character);
// The display filled with the pattern of a step: "]f]" and the step as written in the list.
// No step selected is refused with "Please enter a step value".
Encoded fillFrame(std::string_view step);

enum class RunDirection { Horizontal, Vertical };

// A run of dots in a row or a column: one "]d]" frame per dot, or the message that names the
// box that keeps the run from being drawn whole. Nothing is refused for a count below 1: the
// run is simply empty.
struct DotRun
{
    std::vector<std::string> frames;
    std::string refusal;

    bool ok() const { return refusal.empty(); }
};

// The largest run: the count is held as a signed 16-bit number.
inline constexpr std::uint32_t longestDotRun = 32767;

// The boxes are read leniently. The start values keep their fractions while they grow by 1 per
// dot; each is made whole only as its field is written, so 10.5 gives 0a, 0c, 0c, 0e ...
DotRun dotRunFrames(Entry count, Entry x, Entry y, RunDirection direction);

} // namespace protocol
