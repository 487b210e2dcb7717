#include "protocol/lineends.h"

namespace protocol {

std::string normaliseLineEnds(std::string_view received)
{
    std::string text;
    text.reserve(received.size() + received.size() / 8);
    for (char c : received) {
        if (c == '\n')
            continue;
        text += c;
        if (c == '\r')
            text += '\n';
    }
    return text;
}

} // namespace protocol
