#include "protocol/stringframes.h"

#include "protocol/fields.h"
#include "protocol/frames.h"
#include "protocol/numbers.h"
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
    std::string position;
    for (const Entry &entry : {x, y}) {
        const auto value = wholeNumber(entry.text);
        if (!value)
            return Encoded::refused(needsWholeNumber(entry.label));
        position += upperHexField(*value);
    }
    const char letter = direction == StringDirection::Horizontal ? 'h' : 'v';
    std::string frame = commandFrame(letter, {position});

    const std::string upper = upperCased(text);
    const auto characters = utf8Characters(upper);
    const std::size_t count = std::min(trimmedLength(upper), longestString(direction));
    for (std::size_t i = 0; i < count; ++i) {
        if (!isOneAsciiByte(characters[i]))
            return Encoded::refused(cannotTake(characters[i]));
        frame += commandKey;
        frame += characters[i];
    }
    frame += commandKey;
    frame += '@';
    return {frame, {}};
}

} // namespace protocol
