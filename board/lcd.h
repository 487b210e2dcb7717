#pragma once

#include <array>
#include <cstdint>

namespace board {

// One of the display's two controller chips: 8 pages of 64 columns, each byte a vertical strip
// of 8 pixels with the least significant bit on top. Like the real chip, its column counter
// steps on after every data read or write and wraps from 63 back to 0 of the same chip.
class LcdController
{
public:
    static constexpr int columns = 64;
    static constexpr int pages = 8;

    // The address registers are 3 and 6 bits wide: larger values keep their low bits.
    void setAddress(int page, int column);
    void write(std::uint8_t data);
    std::uint8_t read();

    std::uint8_t at(int page, int column) const { return m_ram[index(page, column)]; }
    std::uint8_t &at(int page, int column) { return m_ram[index(page, column)]; }

private:
    static int index(int page, int column) { return (page & 7) * columns + (column & 63); }

    std::array<std::uint8_t, columns * pages> m_ram{};
    int m_page = 0;
    int m_column = 0;
};

// The whole display memory, page by page, each page 128 bytes from left to right.
using LcdMemory = std::array<std::uint8_t, 1024>;

// The 128 x 64 display: the left controller drives x 0 to 63, the right one x 64 to 127.
class Lcd
{
public:
    static constexpr int width = 128;
    static constexpr int height = 64;
    static constexpr int pages = 8;

    bool pixel(int x, int y) const;
    // Pixels outside the display are ignored, so every drawing routine clips for free.
    void setPixel(int x, int y, bool on);
    void togglePixel(int x, int y);

    // Byte access as the firmware's memory routines address the chips: any x from 64 up selects
    // the right controller, and the registers keep only their low bits.
    std::uint8_t readByte(int x, int page);
    void writeByte(int x, int page, std::uint8_t data);
    // Streams bytes into one controller from an address on, through its column counter.
    void writeRun(int controller, int page, int column, const std::uint8_t *data, int count);

    void clear();
    LcdMemory memory() const;
    // Grows with every change: a viewer redraws when it differs from the last one it saw.
    std::uint64_t revision() const { return m_revision; }

private:
    static bool inside(int x, int y) { return x >= 0 && x < width && y >= 0 && y < height; }
    LcdController &chipFor(int x) { return m_chips[x < LcdController::columns ? 0 : 1]; }
    const LcdController &chipFor(int x) const
    {
        return m_chips[x < LcdController::columns ? 0 : 1];
    }

    std::array<LcdController, 2> m_chips;
    std::uint64_t m_revision = 0;
};

} // namespace board
