#include "protocol/frames.h"

namespace protocol {

std::string commandFrame(char letter, std::initializer_list<std::string_view> fields,
                         std::initializer_list<std::string_view> tailGroups)
{
    std::string frame{commandKey, letter, commandKey};
    for (auto field : fields)
        frame += field;
    for (auto group : tailGroups) {
        frame += commandKey;
        frame += group;
    }
    return frame;
}

std::string clearDisplayFrame()
{
    return std::string{commandKey, 'k'};
}

} // namespace protocol
