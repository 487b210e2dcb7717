#include "protocol/hextext.h"

#include "protocol/frames.h"
#include "protocol/hexbytes.h"

namespace protocol {

namespace {

bool isLayout(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// An odd text leaves one digit for its last group; the pages refuse such text first.
std::string pairsWithKeys(std::string_view pairs)
{
    std::string list;
    list.reserve(pairs.size() / 2 * 3 + 2);
    for (std::size_t i = 0; i < pairs.size(); i += 2) {
        list += commandKey;
        list += pairs.substr(i, 2);
    }
    return list;
}

} // namespace

std::optional<std::string> cleanHexText(std::string_view text)
{
    std::string digits;
    digits.reserve(text.size());
    for (const char c : text) {
        if (isLayout(c))
            continue;
        if (!hexDigitValue(c))
            return std::nullopt;
        digits += c;
    }
    return digits;
}

std::string eepromByteList(std::string_view pairs)
{
    return pairsWithKeys(pairs) + commandKey;
}

std::string lcdByteList(std::string_view pairs)
{
    return pairsWithKeys(pairs);
}

} // namespace protocol
