#include "protocol/shapeframes.h"

#include "protocol/frameparts.h"
#include "protocol/numbers.h"

#include <charconv>
#include <cmath>

namespace protocol {

namespace {

constexpr const char *wrongOrder = "Invalid Entry - Try again";
constexpr double largestCorner = 255;

// At most 15 significant digits, no superfluous zeros: 1 -> "1", 2.5 -> "2.5".
std::string decimal(double value)
{
    value += 0.0; // a negative zero ("-0") is written "0"
    char text[32];
    const auto result = std::to_chars(std::begin(text), std::end(text), value,
                                      std::chars_format::general, 15);
    return {text, result.ptr};
}

std::string_view flag(bool ticked)
{
    return ticked ? "01" : "00";
}

} // namespace

Encoded shapeFrame(char letter, Entry x, Entry y, Entry size)
{
    return FrameParts(letter).field(x).field(y).field(size).done();
}

RectangleFrame rectangleFrame(const RectangleEntries &entries)
{
    const std::array<Entry, 4> corners = {entries.x1, entries.x2, entries.y1, entries.y2};
    RectangleFrame result;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const auto value = decimalNumber(corners[i].text);
        if (!value)
            return {Encoded::refused(needsWholeNumber(corners[i].label)), {}};
        result.corners[i] = *value > largestCorner ? "255"
                            : *value < 0           ? "0"
                                                   : std::string(corners[i].text);
    }
    const double step = lenientNumber(entries.step.text);
    if (!std::isfinite(step))
        return {Encoded::refused(needsNumber(entries.step.label, 1, 9)), {}};
    FrameParts parts('r');
    for (std::size_t i = 0; i < corners.size(); ++i)
        parts.field({corners[i].label, result.corners[i]});
    std::string flags(flag(entries.fill));
    flags += flag(entries.clear);
    result.encoded = parts.group(decimal(step)).group(flags).done();
    return result;
}

Encoded lineFrame(Entry x1, Entry y1, Entry x2, Entry y2)
{
    if (lenientNumber(x2.text) < lenientNumber(x1.text)
        || lenientNumber(y2.text) < lenientNumber(y1.text))
        return Encoded::refused(wrongOrder);
    return FrameParts('l').field(x1).field(x2).field(y1).field(y2).done();
}

Encoded barFrame(const BarEntries &entries)
{
    const Entry alongX = entries.vertical ? entries.width : entries.height;
    const Entry alongY = entries.vertical ? entries.height : entries.width;
    return FrameParts('b')
            .field(entries.x)
            .end(entries.x, alongX)
            .field(entries.y)
            .end(entries.y, alongY)
            .selected(entries.step)
            .done();
}

Encoded axisFrame(char letter, Entry start, Entry length, Entry across, Entry tick)
{
    return FrameParts(letter).field(start).end(start, length).field(across).selected(tick).done();
}

} // namespace protocol
