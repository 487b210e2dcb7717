#pragma once

#include "board/firmware.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace board {

// A run of frames that a board check sends from a clear display; what the display shows after
// it, and each frame's answer, are compared with this board's.
struct CheckGroup
{
    std::string name;
    std::vector<std::string> frames;
    bool capture = true; // the display is read back after the frames
};

// The groups that between them give every command of the firmware work to do: shapes at the
// edges and corners, rectangles with steps, fill and clear, every fill pattern, lines in every
// direction, bars and axes, dots and bytes, every printable character, strings both ways,
// display memory written and read back, and the EEPROMs on their scratch bytes.
std::vector<CheckGroup> checkSuite();

// The frame that reads the whole display back.
inline constexpr std::string_view captureFrame = "]n]007f0007";

// A few bytes at the end of an EEPROM that a check may change: it reads them first and writes
// them back afterwards.
struct ScratchRange
{
    std::string_view eeprom; // "external", "internal"
    char readLetter;
    char writeLetter;
    std::uint32_t first;
    std::uint32_t last;

    std::size_t size() const { return last - first + 1; }
    std::string readFrame() const;
    std::string writeFrame(const std::vector<std::uint8_t> &bytes) const;
};
std::vector<ScratchRange> scratchRanges();

// Frames that ask the most of a board's receive buffer at a given pacing: long strings, whose
// characters each take the firmware longer than anything else the transmit delay paces (the
// memory pages pace their writes themselves). They draw on pages 0 and 1 only, so
// `pacingCaptureFrame` reads back all they can change.
std::vector<std::string> pacingSequence();
inline constexpr std::string_view pacingCaptureFrame = "]n]007f0001";

// The firmware without the timing model, from power-on: what it answers to each frame, as the
// board check expects a board to answer.
class ReferenceBoard
{
public:
    // The frame is ended as a quiet line ends it; the answer is everything sent back.
    std::string answer(std::string_view frame);

private:
    Firmware m_firmware{false};
    Micros m_clock{0};
};

} // namespace board
