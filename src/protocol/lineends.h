#pragma once

#include <string>
#include <string_view>

namespace protocol {

// What the board sends, with its line ends made CR LF: every line feed is dropped and every
// carriage return gains one. The rule needs no memory between reads, so a CR LF pair split
// across two reads still gives one line break.
std::string normaliseLineEnds(std::string_view received);

} // namespace protocol
