#pragma once

#include "protocol/refusal.h"

#include <array>
#include <string>

namespace protocol {

// Circle, square, diamond and star: the letter, then the hex fields of the centre and the size.
// The defaults (64, 32, 20) give "]c]402014"; 300 gives the field "12c", 20.5 gives "14".
Encoded shapeFrame(char letter, Entry x, Entry y, Entry size);

struct RectangleEntries
{
    Entry x1, x2, y1, y2;
    Entry step;
    bool fill = false;
    bool clear = false;
};

// The rectangle frame, and the corner texts as the page corrects them before it draws: above
// 255 becomes "255", below 0 becomes "0", anything between stays as typed.
struct RectangleFrame
{
    Encoded encoded;
    std::array<std::string, 4> corners; // x1, x2, y1, y2; set only when the frame can be sent
};

// "]r]" x1 x2 y1 y2 "]" step "]" fill clear, the step written in decimal ("2.5" stays "2.5").
// Defaults: "]r]007f003f]1]0000".
RectangleFrame rectangleFrame(const RectangleEntries &entries);

// "]l]" x1 x2 y1 y2, refused with "Invalid Entry - Try again" when the end lies left of or above
// the beginning. Defaults: "]l]007f0028".
Encoded lineFrame(Entry x1, Entry y1, Entry x2, Entry y2);

struct BarEntries
{
    Entry x, y;
    Entry height; // the box under `Label70`, along x unless the bar stands vertically
    Entry width;
    bool vertical = false;
    Entry step; // the selected item of the step list
};

// "]b]" left right top bottom "]" step, each far edge the start plus its extent.
// Defaults: "]b]14381419]1", standing: "]b]14191438]1".
Encoded barFrame(const BarEntries &entries);

// An axis from `start` along its own direction for `length` pixels, at `across` in the other:
// "]x]" x1 x2 y "]" tick for the x axis, "]y]" y1 y2 x "]" tick for the y axis.
// X-axis defaults: "]x]107438]4".
Encoded axisFrame(char letter, Entry start, Entry length, Entry across, Entry tick);

} // namespace protocol
