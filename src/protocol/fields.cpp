#include "protocol/fields.h"

#include "protocol/numbers.h"

namespace protocol {

namespace {

std::string hexDigits(std::uint32_t value, const char *digits)
{
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    if (text.size() == 1)
        text.insert(text.begin(), '0');
    return text;
}

} // namespace

std::string hexField(std::uint32_t value)
{
    return hexDigits(value, "0123456789abcdef");
}

std::string upperHexField(std::uint32_t value)
{
    return hexDigits(value, "0123456789ABCDEF");
}

std::optional<std::string> hexFieldOf(std::string_view text)
{
    const auto value = wholeNumber(text);
    if (!value)
        return std::nullopt;
    return hexField(*value);
}

} // namespace protocol
