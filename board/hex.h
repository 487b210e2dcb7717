#pragma once

#include <cstdint>
#include <string>

namespace board {

// The value of a hex digit in either case, or -1.
inline int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Appends a byte as two lower-case hex digits: the form the write pages send back.
inline void appendHexPair(std::string &text, std::uint8_t value)
{
    constexpr char digits[] = "0123456789abcdef";
    text += digits[value >> 4];
    text += digits[value & 15];
}

} // namespace board
