#pragma once

#include <optional>
#include <string_view>

namespace protocol {

// A port's settings string, such as "19200,n,8,1": rate, parity letter, data bits, stop bits.
struct LineSettings
{
    int baudRate = 19200;
    char parity = 'n'; // n, e, o, m or s
    int dataBits = 8;  // 5 to 8
    int stopBits = 1;  // 1 or 2

    bool operator==(const LineSettings &) const = default;
};

std::optional<LineSettings> parseLineSettings(std::string_view text);

} // namespace protocol
