#include "board/drawing.h"

#include "board/font.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace board {

namespace {

// The star's lines: three pixels lit, two dark, counted from each point.
constexpr int dashOn = 3;
constexpr int dashPeriod = 5;

constexpr int farAway = 1 << 16;

// Visits the pixels of a line from (x1, y1) to (x2, y2) in order, with their index along it.
template<typename Visit>
void walkLine(int x1, int y1, int x2, int y2, Visit visit)
{
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (int index = 0;; ++index) {
        visit(x1, y1, index);
        if (x1 == x2 && y1 == y2)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x1 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y1 += sy;
        }
    }
}

void dashedLine(Lcd &lcd, int x1, int y1, int x2, int y2)
{
    walkLine(x1, y1, x2, y2, [&lcd](int x, int y, int index) {
        if (index % dashPeriod < dashOn)
            lcd.setPixel(x, y, true);
    });
}

void stepRow(Lcd &lcd, int left, int right, int y, double step, bool on)
{
    for (int x = left; x <= right; ++x) {
        if (onStep(x - left, step))
            lcd.setPixel(x, y, on);
    }
}

void stepColumn(Lcd &lcd, int top, int bottom, int x, double step, bool on)
{
    for (int y = top; y <= bottom; ++y) {
        if (onStep(y - top, step))
            lcd.setPixel(x, y, on);
    }
}

void fillBox(Lcd &lcd, const Box &box, bool on)
{
    for (int y = box.top; y <= box.bottom; ++y)
        stepRow(lcd, box.left, box.right, y, 1, on);
}

} // namespace

Box boxOf(int x1, int x2, int y1, int y2)
{
    return {std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
}

bool onStep(int offset, double step)
{
    if (offset < 0)
        return false;
    if (!(step > 1))
        return true;
    // The hit just at or before `offset`, and the next one: floating error never skips a hit.
    const auto k = static_cast<long>(std::floor(offset / step));
    for (long candidate = std::max(0L, k - 1); candidate <= k + 1; ++candidate) {
        if (static_cast<long>(std::floor(static_cast<double>(candidate) * step + 1e-9)) == offset)
            return true;
    }
    return false;
}

void drawLine(Lcd &lcd, int x1, int y1, int x2, int y2)
{
    walkLine(x1, y1, x2, y2, [&lcd](int x, int y, int) { lcd.setPixel(x, y, true); });
}

void drawCircle(Lcd &lcd, int cx, int cy, int radius)
{
    int x = radius;
    int y = 0;
    int error = 1 - radius;
    while (x >= y) {
        const std::array<std::array<int, 2>, 8> octants
                = {{{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x}, {x, -y}}};
        for (const auto &[ox, oy] : octants)
            lcd.setPixel(cx + ox, cy + oy, true);
        ++y;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            --x;
            error += 2 * (y - x) + 1;
        }
    }
}

void drawSquare(Lcd &lcd, int cx, int cy, int half)
{
    drawRectangle(lcd, boxOf(cx - half, cx + half, cy - half, cy + half), 1, false, false);
}

void drawDiamond(Lcd &lcd, int cx, int cy, int size)
{
    const int corner = static_cast<int>(std::lround(size * std::sqrt(2.0)));
    drawLine(lcd, cx - corner, cy, cx, cy - corner);
    drawLine(lcd, cx, cy - corner, cx + corner, cy);
    drawLine(lcd, cx + corner, cy, cx, cy + corner);
    drawLine(lcd, cx, cy + corner, cx - corner, cy);
}

void drawStar(Lcd &lcd, int cx, int cy, int size)
{
    const int inner = std::max(1, size / 4);
    const std::array<std::array<int, 2>, 4> points
            = {{{cx, cy - size}, {cx + size, cy}, {cx, cy + size}, {cx - size, cy}}};
    const std::array<std::array<int, 2>, 4> corners = {{{cx + inner, cy - inner},
                                                        {cx + inner, cy + inner},
                                                        {cx - inner, cy + inner},
                                                        {cx - inner, cy - inner}}};
    // Each point reaches the inner corner on either side of it.
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto &[px, py] = points[i];
        for (const std::size_t side : {i, (i + 3) % 4})
            dashedLine(lcd, px, py, corners[side][0], corners[side][1]);
    }
}

void drawRectangle(Lcd &lcd, const Box &box, double step, bool fill, bool clear)
{
    const bool on = !clear;
    if (fill) {
        fillBox(lcd, box, on);
        return;
    }
    stepRow(lcd, box.left, box.right, box.top, step, on);
    stepRow(lcd, box.left, box.right, box.bottom, step, on);
    stepColumn(lcd, box.top, box.bottom, box.left, step, on);
    stepColumn(lcd, box.top, box.bottom, box.right, step, on);
}

void drawStepRows(Lcd &lcd, const Box &box, double step)
{
    for (int y = box.top; y <= box.bottom; ++y)
        stepRow(lcd, box.left, box.right, y, step, true);
}

void drawStepColumns(Lcd &lcd, const Box &box, double step)
{
    for (int x = box.left; x <= box.right; ++x)
        stepColumn(lcd, box.top, box.bottom, x, step, true);
}

void drawBar(Lcd &lcd, const Box &box, double step)
{
    for (int y = box.top; y <= box.bottom; ++y) {
        for (int x = box.left; x <= box.right; ++x) {
            const bool edge = x == box.left || x == box.right || y == box.top || y == box.bottom;
            if (edge || onStep(x - box.left + y - box.top, step))
                lcd.setPixel(x, y, true);
        }
    }
}

void drawXAxis(Lcd &lcd, int x1, int x2, int y, double tick)
{
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    stepRow(lcd, left, right, y, 1, true);
    for (int x = left; x <= right; ++x) {
        if (onStep(x - left, tick))
            stepColumn(lcd, y + 1, y + 2, x, 1, true);
    }
}

void drawYAxis(Lcd &lcd, int y1, int y2, int x, double tick)
{
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    stepColumn(lcd, top, bottom, x, 1, true);
    for (int y = bottom; y >= top; --y) {
        if (onStep(bottom - y, tick))
            stepRow(lcd, x - 2, x - 1, y, 1, true);
    }
}

void putByte(Lcd &lcd, int x, int y, std::uint8_t value)
{
    for (int bit = 0; bit < 8; ++bit)
        lcd.setPixel(x, y + bit, (value >> bit) & 1);
}

void putCharacter(Lcd &lcd, int x, int y, char c)
{
    const Glyph glyph = glyphFor(c);
    for (int column = 0; column < cellWidth; ++column) {
        const std::uint8_t strip
                = column < glyphWidth ? glyph[static_cast<std::size_t>(column)] : 0;
        putByte(lcd, x + column, y, strip & 0x7f);
    }
}

void fillPattern(Lcd &lcd, double step)
{
    // Built page by page and streamed into each controller, as the firmware does it.
    for (int page = 0; page < Lcd::pages; ++page) {
        std::array<std::uint8_t, Lcd::width> run{};
        for (int x = 0; x < Lcd::width; ++x) {
            for (int bit = 0; bit < 8; ++bit) {
                if (onStep(x, step) || onStep(page * 8 + bit, step))
                    run[static_cast<std::size_t>(x)] |= static_cast<std::uint8_t>(1u << bit);
            }
        }
        lcd.writeRun(0, page, 0, run.data(), LcdController::columns);
        lcd.writeRun(1, page, 0, run.data() + LcdController::columns, LcdController::columns);
    }
}

TextCursor::TextCursor(int x, int y, bool vertical)
    : m_startX(x)
    , m_x(x)
    , m_y(y)
    , m_vertical(vertical)
{}

void TextCursor::put(Lcd &lcd, char c)
{
    if (!m_vertical && m_x != m_startX && m_x + glyphWidth > Lcd::width) {
        m_x = m_startX;
        m_y = std::min(m_y + cellHeight, farAway);
    }
    putCharacter(lcd, m_x, m_y, c);
    // Far off the display every position looks the same; stopping there keeps the sums small.
    if (m_vertical)
        m_y = std::min(m_y + cellHeight, farAway);
    else
        m_x = std::min(m_x + cellWidth, farAway);
}

} // namespace board
