#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace protocol {

// What the write pages say of text that holds anything but hex digits once its layout is gone.
inline constexpr std::string_view onlyHexDigits
        = "Only hex digits 0-9 and a-f allowed -- recheck entries";

// Hex text as a person typed or pasted it, without the blanks, tabs and line breaks that lay
// it out (a pasted dump carries them; they are not data). Nothing when any character other
// than 0-9, a-f, A-F remains. The case of the digits is kept: the board takes either.
std::optional<std::string> cleanHexText(std::string_view text);

// The EEPROM byte list: "]" before every pair and one more after the last.
// "12ab34" -> "]12]ab]34]"; no pairs at all -> "]".
std::string eepromByteList(std::string_view pairs);

// The LCD byte list: "]" before every pair and none after the last. "a1b2" -> "]a1]b2".
std::string lcdByteList(std::string_view pairs);

} // namespace protocol
