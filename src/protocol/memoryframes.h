#pragma once

#include "protocol/displayrect.h"
#include "protocol/refusal.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace protocol {

// The texts the memory pages show when their text cannot be reformatted.
inline constexpr std::string_view hexPairsNeeded
        = "Hex characters must be in pairs -- recheck entries";
inline constexpr std::string_view nothingToWrite = "Nothing to write!";
inline constexpr std::string_view nothingToFormat = "Nothing to format!";
inline constexpr std::string_view sizesDiffer = "Sum of X,Y bytes do not equal the text bytes";

// The most bytes the read page's four-digit count box asks for.
inline constexpr std::uint32_t largestReadCount = 9999;

enum class Eeprom { External, Internal };

// The bytes an EEPROM of the board holds.
constexpr std::uint64_t eepromSize(Eeprom memory)
{
    return memory == Eeprom::External ? 32 * 1024 : 256;
}

// A number in decimal, zero-padded on the left to at least four digits: 12 -> "0012",
// 4095 -> "4095", 12345 -> "12345", -1 -> "-0001".
std::string fourDigitForm(std::int64_t value);

// What an address or count box holds once the focus has left it: a whole number (a fraction
// rounded half to even) in four-digit form; text that is not one stays as it was typed.
std::string fourDigitRewrite(std::string_view typed);

// The end address the read page shows while its boxes are filled in: start + number - 1 in
// four-digit form, each box read leniently, so 0 and 0 show -0001.
std::string endAddressCaption(std::string_view start, std::string_view number);

// An EEPROM address in a frame: upper-case hex, zero-padded to four digits, never cut:
// 16 -> "0010", 4096 -> "1000", 70000 -> "11170".
std::string addressField(std::uint64_t value);

// What a read asks the board for.
struct EepromRange
{
    Eeprom memory = Eeprom::External;
    std::uint32_t start = 0;
    std::uint32_t count = 0;
};

struct EepromRead : Encoded
{
    EepromRange range; // when the frame can be sent
};

// "]a]" (external) or "]g]" (internal), the start and the end address the page shows, four
// upper-case hex digits each and nothing between: start 16, end 19 -> "]a]00100013", which
// asks for 4 bytes from 16. An end below zero means the count asked for no byte: the count
// box is named.
EepromRead eepromReadFrame(Eeprom memory, Entry start, Entry count, std::string_view end);

// A write page's text made ready to send, or why it cannot be.
struct Reformatted
{
    std::string byteList;
    std::string refusal; // empty when the byte list can be sent

    bool ok() const { return refusal.empty(); }
};

struct EepromReformat : Reformatted
{
    std::uint64_t end = 0; // the last address the bytes reach
};

// The hex text of the EEPROM write page from its start address on: its layout removed, only
// hex digits, whole pairs, at least one byte. Start 16, "12ab34" -> end 18, "]12]ab]34]".
EepromReformat reformatForEeprom(std::string_view text, Entry start);

// "]o]" (external) or "]w]" (internal), start and end as four upper-case hex digits, then the
// byte list as it stands: "]o]00100012]12]ab]34]".
Encoded eepromWriteFrame(Eeprom memory, Entry start, std::uint64_t end, std::string_view byteList);

// "]n]" and the corners as hex fields in the order X1, X2, Y1, Y2: "]n]007f0007"; the corners'
// refusal when a box holds no number.
Encoded lcdReadFrame(const CornerReading &corners);

// "]m]", the corners as the read frame has them, then the text as it stands:
// "]m]00010000]a1]b2".
Encoded lcdWriteFrame(const CornerReading &corners, std::string_view text);

struct LcdReformat : Reformatted
{
    // Both counts in four-digit form, once the corners could be counted over; the page shows
    // them even when the sizes differ, so that a person sees both.
    std::string rectangleCount;
    std::string textCount;
};

// The hex text of the LCD page checked against its rectangle, in this order: only hex digits,
// not blank, whole pairs, corners that are numbers in order, as many bytes as the rectangle
// holds. "a1b2" for X1 0, X2 1, Y1 0, Y2 0 -> "]a1]b2".
LcdReformat reformatForLcd(std::string_view text, const CornerReading &corners);

} // namespace protocol
