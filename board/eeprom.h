#pragma once

#include <cstdint>
#include <vector>

namespace board {

// A serial or on-chip EEPROM: erased cells read 0xFF.
class Eeprom
{
public:
    explicit Eeprom(std::uint32_t size)
        : m_cells(size, 0xff)
    {}

    std::uint32_t size() const { return static_cast<std::uint32_t>(m_cells.size()); }
    bool holds(std::uint32_t first, std::uint32_t last) const
    {
        return first <= last && last < size();
    }
    std::uint8_t read(std::uint32_t address) const { return m_cells.at(address); }
    void write(std::uint32_t address, std::uint8_t value) { m_cells.at(address) = value; }

private:
    std::vector<std::uint8_t> m_cells;
};

} // namespace board
