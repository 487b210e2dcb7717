#include "protocol/displayrect.h"

#include "protocol/numbers.h"

#include <utility>

namespace protocol {

std::uint64_t DisplayRect::bytes() const
{
    if (!inOrder())
        return 0;
    return (std::uint64_t{x2} - x1 + 1) * (std::uint64_t{page2} - page1 + 1);
}

CornerReading readCorners(Entry x1, Entry x2, Entry y1, Entry y2)
{
    CornerReading reading;
    const std::pair<const Entry &, std::uint32_t &> boxes[] = {
            {x1, reading.rect.x1},
            {x2, reading.rect.x2},
            {y1, reading.rect.page1},
            {y2, reading.rect.page2},
    };
    for (const auto &[entry, value] : boxes) {
        const auto number = wholeNumber(entry.text);
        if (!number) {
            reading.refusal = wholeNumberRefusal(entry);
            return reading;
        }
        value = *number;
    }
    return reading;
}

std::string displayRefusal(const DisplayRect &rect)
{
    if (!rect.inOrder())
        return std::string(cornersOutOfOrder);
    if (rect.x2 > wholeDisplay.x2 || rect.page2 > wholeDisplay.page2)
        return std::string(offTheDisplay);
    return {};
}

} // namespace protocol
