#include "board/lcd.h"

namespace board {

void LcdController::setAddress(int page, int column)
{
    m_page = page & 7;
    m_column = column & 63;
}

void LcdController::write(std::uint8_t data)
{
    at(m_page, m_column) = data;
    m_column = (m_column + 1) & 63;
}

std::uint8_t LcdController::read()
{
    const std::uint8_t data = at(m_page, m_column);
    m_column = (m_column + 1) & 63;
    return data;
}

bool Lcd::pixel(int x, int y) const
{
    if (!inside(x, y))
        return false;
    return (chipFor(x).at(y / 8, x) >> (y % 8)) & 1;
}

void Lcd::setPixel(int x, int y, bool on)
{
    if (!inside(x, y))
        return;
    std::uint8_t &cell = chipFor(x).at(y / 8, x);
    const auto bit = static_cast<std::uint8_t>(1u << (y % 8));
    cell = on ? cell | bit : cell & ~bit;
    ++m_revision;
}

void Lcd::togglePixel(int x, int y)
{
    if (!inside(x, y))
        return;
    chipFor(x).at(y / 8, x) ^= static_cast<std::uint8_t>(1u << (y % 8));
    ++m_revision;
}

std::uint8_t Lcd::readByte(int x, int page)
{
    LcdController &chip = chipFor(x);
    chip.setAddress(page, x);
    return chip.read();
}

void Lcd::writeByte(int x, int page, std::uint8_t data)
{
    LcdController &chip = chipFor(x);
    chip.setAddress(page, x);
    chip.write(data);
    ++m_revision;
}

void Lcd::writeRun(int controller, int page, int column, const std::uint8_t *data, int count)
{
    LcdController &chip = m_chips[controller & 1];
    chip.setAddress(page, column);
    for (int i = 0; i < count; ++i)
        chip.write(data[i]);
    ++m_revision;
}

void Lcd::clear()
{
    const std::array<std::uint8_t, LcdController::columns> blank{};
    for (int chip = 0; chip < 2; ++chip) {
        for (int page = 0; page < pages; ++page)
            writeRun(chip, page, 0, blank.data(), LcdController::columns);
    }
}

LcdMemory Lcd::memory() const
{
    LcdMemory bytes{};
    for (int page = 0; page < pages; ++page) {
        for (int x = 0; x < width; ++x)
            bytes[static_cast<std::size_t>(page * width + x)] = chipFor(x).at(page, x);
    }
    return bytes;
}

} // namespace board
