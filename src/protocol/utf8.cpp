#include "protocol/utf8.h"

namespace protocol {

namespace {

std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xe  ? 3
                               : (lead >> 3) == 0x1e ? 4
                                                     : 1;
    if (at + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xc0) != 0x80)
            return 1;
    }
    return length;
}

} // namespace

std::vector<std::string_view> utf8Characters(std::string_view text)
{
    std::vector<std::string_view> characters;
    characters.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = sequenceLength(text, at);
        characters.push_back(text.substr(at, length));
        at += length;
    }
    return characters;
}

bool isOneAsciiByte(std::string_view character)
{
    return character.size() == 1 && static_cast<unsigned char>(character.front()) < 0x80;
}

} // namespace protocol
