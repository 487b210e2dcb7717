#include "protocol/memoryframes.h"

#include "protocol/fields.h"
#include "protocol/frames.h"
#include "protocol/hextext.h"
#include "protocol/numbers.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace protocol {

namespace {

// Beyond this a caption is only a sign that the boxes hold nonsense; the buttons refuse it.
constexpr double largestCaption = 1e15;

char eepromLetter(Eeprom memory, char external, char internal)
{
    return memory == Eeprom::External ? external : internal;
}

// The corners as numbers, or the refusal naming the first box that holds none.
struct CornerValues
{
    std::uint32_t x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    std::string refusal;
};

CornerValues cornerValues(const Corners &corners)
{
    CornerValues values;
    const std::pair<const Entry *, std::uint32_t *> boxes[] = {
            {&corners.x1, &values.x1},
            {&corners.x2, &values.x2},
            {&corners.y1, &values.y1},
            {&corners.y2, &values.y2},
    };
    for (const auto &[entry, value] : boxes) {
        const auto number = wholeNumber(entry->text);
        if (!number) {
            values.refusal = needsWholeNumber(entry->label);
            return values;
        }
        *value = *number;
    }
    return values;
}

// The digits of a write page's text; on a refusal, why they cannot be written.
std::string writableDigits(std::string_view text, std::string_view whenBlank, std::string &refusal)
{
    const auto digits = cleanHexText(text);
    if (!digits)
        refusal = onlyHexDigits;
    else if (digits->empty())
        refusal = whenBlank;
    else if (digits->size() % 2 != 0)
        refusal = hexPairsNeeded;
    return digits.value_or(std::string());
}

std::string lcdFrame(char letter, const CornerValues &values, std::string_view tail)
{
    return commandFrame(letter, {hexField(values.x1), hexField(values.x2), hexField(values.y1),
                                 hexField(values.y2), tail});
}

} // namespace

std::string fourDigitForm(std::int64_t value)
{
    const std::string digits = std::to_string(value < 0 ? -value : value);
    const std::string padded = std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
    return value < 0 ? "-" + padded : padded;
}

std::string fourDigitRewrite(std::string_view typed)
{
    const auto value = wholeNumber(typed);
    return value ? fourDigitForm(*value) : std::string(typed);
}

std::string endAddressCaption(std::string_view start, std::string_view number)
{
    const double end = roundHalfEven(lenientNumber(number) + lenientNumber(start) - 1);
    const double shown = std::isnan(end) ? 0 : std::clamp(end, -largestCaption, largestCaption);
    return fourDigitForm(static_cast<std::int64_t>(shown));
}

std::string addressField(std::uint64_t value)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789ABCDEF"[value % 16]);
        value /= 16;
    } while (value != 0);
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return digits;
}

Encoded eepromReadFrame(Eeprom memory, Entry start, Entry count, std::string_view end)
{
    const auto first = wholeNumber(start.text);
    if (!first)
        return Encoded::refused(needsWholeNumber(start.label));
    const auto number = wholeNumber(count.text);
    const auto last = wholeNumber(end);
    if (!number || *number < 1 || *number > largestReadCount || !last || *last < *first)
        return Encoded::refused(needsWholeNumber(count.label, 1, largestReadCount));
    return {commandFrame(eepromLetter(memory, 'a', 'g'),
                         {addressField(*first), addressField(*last)}),
            {}};
}

EepromReformat reformatForEeprom(std::string_view text, Entry start)
{
    EepromReformat result;
    const std::string digits = writableDigits(text, nothingToWrite, result.refusal);
    if (!result.ok())
        return result;
    const auto first = wholeNumber(start.text);
    if (!first) {
        result.refusal = needsWholeNumber(start.label);
        return result;
    }
    result.end = *first + digits.size() / 2 - 1;
    result.byteList = eepromByteList(digits);
    return result;
}

Encoded eepromWriteFrame(Eeprom memory, Entry start, std::uint64_t end, std::string_view byteList)
{
    const auto first = wholeNumber(start.text);
    if (!first)
        return Encoded::refused(needsWholeNumber(start.label));
    return {commandFrame(eepromLetter(memory, 'o', 'w'),
                         {addressField(*first), addressField(end), byteList}),
            {}};
}

std::uint64_t rectangleBytes(std::uint32_t x1, std::uint32_t x2, std::uint32_t y1, std::uint32_t y2)
{
    if (x1 > x2 || y1 > y2)
        return 0;
    return (std::uint64_t{x2} - x1 + 1) * (std::uint64_t{y2} - y1 + 1);
}

Encoded lcdReadFrame(const Corners &corners)
{
    const CornerValues values = cornerValues(corners);
    if (!values.refusal.empty())
        return Encoded::refused(values.refusal);
    return {lcdFrame('n', values, {}), {}};
}

Encoded lcdWriteFrame(const Corners &corners, std::string_view text)
{
    const CornerValues values = cornerValues(corners);
    if (!values.refusal.empty())
        return Encoded::refused(values.refusal);
    return {lcdFrame('m', values, text), {}};
}

LcdReformat reformatForLcd(std::string_view text, const Corners &corners)
{
    LcdReformat result;
    const std::string digits = writableDigits(text, nothingToFormat, result.refusal);
    if (!result.ok())
        return result;
    const CornerValues values = cornerValues(corners);
    if (!values.refusal.empty()) {
        result.refusal = values.refusal;
        return result;
    }
    if (values.x1 > values.x2 || values.y1 > values.y2) {
        result.refusal = cornersOutOfOrder;
        return result;
    }
    const std::uint64_t rectangle = rectangleBytes(values.x1, values.x2, values.y1, values.y2);
    const std::uint64_t bytes = digits.size() / 2;
    result.rectangleCount = fourDigitForm(static_cast<std::int64_t>(rectangle));
    result.textCount = fourDigitForm(static_cast<std::int64_t>(bytes));
    if (rectangle != bytes) {
        result.refusal = sizesDiffer;
        return result;
    }
    result.byteList = lcdByteList(digits);
    return result;
}

} // namespace protocol
