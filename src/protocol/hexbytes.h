#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

// The value of a hex digit in either case, or nothing.
std::optional<int> hexDigitValue(char c);

// Bytes as contiguous lower-case hex pairs, the form the board's reads answer in: "12ab34".
std::string hexPairs(const std::vector<std::uint8_t> &bytes);

// Hex pairs in either case back to bytes; line ends and blanks between pairs are skipped, so a
// reply copied with its line breaks still reads. Anything else, or a digit without its pair,
// has no value.
std::optional<std::vector<std::uint8_t>> bytesOfHexPairs(std::string_view text);

} // namespace protocol
