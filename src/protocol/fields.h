#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace protocol {

// A whole number as at least two lower-case hex digits: 5 -> "05", 300 -> "12c". Never cut.
std::string hexField(std::uint32_t value);

// The same with upper-case digits, as the string commands send their position: 10 -> "0A".
std::string upperHexField(std::uint32_t value);

// The hex field of what a person typed into a box, when it holds a whole number from 0 upward.
std::optional<std::string> hexFieldOf(std::string_view text);

} // namespace protocol
