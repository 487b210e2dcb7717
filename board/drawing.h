#pragma once

#include "board/lcd.h"

#include <cstdint>

namespace board {

// A rectangle of pixels, edges included, whichever way round its corners were given.
struct Box
{
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};
Box boxOf(int x1, int x2, int y1, int y2);

// Whether `offset` is hit by a walk of 0, step, 2 step ... with each position rounded down, so
// that a step of 2.5 lights 0, 2, 5, 7, 10 ... Steps below 1 count as 1.
bool onStep(int offset, double step);

void drawLine(Lcd &lcd, int x1, int y1, int x2, int y2);
void drawCircle(Lcd &lcd, int cx, int cy, int radius);
// `half` is half the side: the square spans cx - half to cx + half.
void drawSquare(Lcd &lcd, int cx, int cy, int half);
// `size` is the distance from the centre to each side, so the corners lie size * sqrt(2) out.
void drawDiamond(Lcd &lcd, int cx, int cy, int size);
// Four points `size` out on the axes, joined through four inner corners by dashed lines.
void drawStar(Lcd &lcd, int cx, int cy, int size);
// The outline lights every step-th pixel from each corner; a fill lights the whole box; with
// `clear` the same pixels go dark instead.
void drawRectangle(Lcd &lcd, const Box &box, double step, bool fill, bool clear);
// Horizontal lines stepped along x, one on every row of the box (]i), or vertical ones (]j).
void drawStepRows(Lcd &lcd, const Box &box, double step);
void drawStepColumns(Lcd &lcd, const Box &box, double step);
// A solid outline hatched inside with diagonals every step pixels; step 1 fills it.
void drawBar(Lcd &lcd, const Box &box, double step);
// Axes with tick marks two pixels long, counted from the chart's origin: the left end of the
// x axis (ticks below it) and the bottom end of the y axis (ticks to its left).
void drawXAxis(Lcd &lcd, int x1, int x2, int y, double tick);
void drawYAxis(Lcd &lcd, int y1, int y2, int x, double tick);
// Eight pixels down from (x, y), bit 0 on top; the byte replaces what was there.
void putByte(Lcd &lcd, int x, int y, std::uint8_t value);
// A whole character cell with its top left corner at (x, y); the cell replaces what was there.
void putCharacter(Lcd &lcd, int x, int y, char c);
// Grid lines every step pixels in both directions; step 1 lights the whole display.
void fillPattern(Lcd &lcd, double step);

// Where the next character of a string goes. A horizontal string carries on at its starting x
// one text line lower when the next character would not fit; a vertical one runs off the bottom.
class TextCursor
{
public:
    TextCursor() = default;
    TextCursor(int x, int y, bool vertical);
    void put(Lcd &lcd, char c);

private:
    int m_startX = 0;
    int m_x = 0;
    int m_y = 0;
    bool m_vertical = false;
};

} // namespace board
