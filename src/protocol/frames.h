#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace protocol {

inline constexpr char commandKey = ']';

// "]" + letter + "]" + the fields back to back, then each tail group introduced by "]".
// circle at 64, 32 with radius 20: commandFrame('c', {"40", "20", "14"}) -> "]c]402014".
std::string commandFrame(char letter, std::initializer_list<std::string_view> fields,
                         std::initializer_list<std::string_view> tailGroups = {});

// The one frame without the "]" after its letter.
std::string clearDisplayFrame();

} // namespace protocol
