#include "protocol/hexbytes.h"

namespace protocol {

std::optional<int> hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

std::string hexPairs(const std::vector<std::uint8_t> &bytes)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * bytes.size());
    for (const std::uint8_t byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> bytesOfHexPairs(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    int high = -1; // the first digit of a pair while its second is awaited
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (high >= 0)
                return std::nullopt;
            continue;
        }
        const auto value = hexDigitValue(c);
        if (!value)
            return std::nullopt;
        if (high >= 0) {
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + *value));
            high = -1;
        } else {
            high = *value;
        }
    }
    if (high >= 0)
        return std::nullopt;
    return bytes;
}

} // namespace protocol
