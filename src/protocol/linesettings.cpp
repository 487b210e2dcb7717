#include "protocol/linesettings.h"

#include <array>
#include <cctype>
#include <charconv>

namespace protocol {

namespace {

std::optional<int> positiveNumber(std::string_view text)
{
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || ptr != text.data() + text.size() || value <= 0)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<LineSettings> parseLineSettings(std::string_view text)
{
    std::array<std::string_view, 4> items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto comma = text.find(',');
        if ((comma == std::string_view::npos) != (i == items.size() - 1))
            return std::nullopt;
        items[i] = text.substr(0, comma);
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    const auto baud = positiveNumber(items[0]);
    const auto data = positiveNumber(items[2]);
    const auto stop = positiveNumber(items[3]);
    if (!baud || !data || !stop || items[1].size() != 1)
        return std::nullopt;
    const char parity = static_cast<char>(std::tolower(static_cast<unsigned char>(items[1][0])));
    if (std::string_view("neoms").find(parity) == std::string_view::npos || *data < 5 || *data > 8
        || *stop > 2)
        return std::nullopt;
    return LineSettings{*baud, parity, *data, *stop};
}

} // namespace protocol
