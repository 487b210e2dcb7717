#pragma once

#include "protocol/refusal.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace protocol {

// Corners that run backwards, in the LCD page's own words.
inline constexpr std::string_view cornersOutOfOrder = "Entry Error! Check X1,Y1 and X2,Y2 values";
inline constexpr std::string_view offTheDisplay
        = "The rectangle must lie on the display: X from 0 to 127, Y from 0 to 7";

// A rectangle of display memory as the LCD page's corner boxes and the board's memory frames
// address it: columns x1 to x2, pages (rows of 8 pixels, the boxes' Y) page1 to page2, both
// ends included. As the boxes hold it, it may run backwards or past the display: the read and
// write frames send the corners as they stand.
struct DisplayRect
{
    std::uint32_t x1 = 0, x2 = 127, page1 = 0, page2 = 7;

    bool operator==(const DisplayRect &) const = default;

    bool inOrder() const { return x1 <= x2 && page1 <= page2; }
    // Pixels across and down; only for a rectangle on the display.
    int width() const { return static_cast<int>(x2 - x1 + 1); }
    int height() const { return static_cast<int>(8 * (page2 - page1 + 1)); }
    // One byte per column and page; none when a range runs backwards.
    std::uint64_t bytes() const;
};

inline constexpr DisplayRect wholeDisplay{};

// The four corner boxes read as numbers, or the refusal naming the first box, in the order
// X1, X2, Y1, Y2, that holds no whole number.
struct CornerReading
{
    DisplayRect rect;
    std::string refusal; // empty when all four are numbers

    bool ok() const { return refusal.empty(); }
};

CornerReading readCorners(Entry x1, Entry x2, Entry y1, Entry y2);

// Why pixels cannot go into a rectangle: corners out of order first, then a rectangle that
// does not lie on the display; empty when they can.
std::string displayRefusal(const DisplayRect &rect);

} // namespace protocol
