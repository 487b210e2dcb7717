#include "protocol/stringframes.h"

#include "protocol/frameparts.h"
#include "protocol/utf8.h"

#include <algorithm>

namespace protocol {

namespace {

std::size_t trimmedLength(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return 0;
    return utf8Characters(text.substr(first, text.find_last_not_of(' ') - first + 1)).size();
}

} // namespace

std::size_t longestString(StringDirection direction)
{
    return direction == StringDirection::Horizontal ? 32 : 16;
}

std::string upperCased(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

Encoded stringFrame(StringDirection direction, Entry x, Entry y, std::string_view text)
{
    FrameParts parts(direction == StringDirection::Horizontal ? 'h' : 'v');
    parts.upperField(x).upperField(y);
    const std::string upper = upperCased(text);
    const auto characters = utf8Characters(upper);
    const std::size_t count = std::min(trimmedLength(upper), longestString(direction));
    for (std::size_t i = 0; i < count; ++i)
        parts.group(characters[i]);
    return parts.group("@").done();
}

} // namespace protocol
