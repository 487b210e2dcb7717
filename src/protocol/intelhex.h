#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

// A run of bytes that starts at an address, as an EEPROM image file holds it.
struct MemoryImage
{
    std::uint32_t start = 0;
    std::vector<std::uint8_t> bytes;

    bool operator==(const MemoryImage &) const = default;
};

// What reading a HEX text gives: the whole image, or the reason it cannot be read and the
// line (counted from 1, 0 when the text as a whole is at fault). Nothing partial.
struct HexReading
{
    MemoryImage image;
    std::string error;
    std::size_t line = 0;

    bool ok() const { return error.empty(); }
};

// Intel HEX with 16 data bytes a record, an extended linear address record wherever the upper
// 16 bits of the address change (and first, when they are not 0), records that never cross a
// 64 KiB boundary, and the end-of-file record. Lines end in CR LF, upper-case digits.
// Bytes that run past the 32-bit address space are not written: the caller keeps the image
// within it.
std::string writeIntelHex(const MemoryImage &image);

// Takes data, end-of-file, extended segment and extended linear address records; start
// address records (03, 05) say where a program begins, which an image does not need, so they
// are read and passed over. Blank lines are skipped and the text after the end-of-file record
// must be blank. The data must follow on from one address without gaps or overlaps, in order.
HexReading readIntelHex(std::string_view text);

} // namespace protocol
