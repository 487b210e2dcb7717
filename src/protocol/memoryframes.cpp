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

Encoded lcdFrame(char letter, const CornerReading &corners, std::string_view tail)
{
    if (!corners.ok())
        return Encoded::refused(corners.refusal);
    const DisplayRect &rect = corners.rect;
    return {commandFrame(letter, {hexField(rect.x1), hexField(rect.x2), hexField(rect.page1),
                                  hexField(rect.page2), tail}),
            {}};
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

EepromRead eepromReadFrame(Eeprom memory, Entry start, Entry count, std::string_view end)
{
    const auto first = wholeNumber(start.text);
    if (!first)
        return {Encoded::refused(wholeNumberRefusal(start)), {}};
    // The end is the page's caption, sent as it stands even when the boxes changed since it
    // was worked out; only one below zero (a count of 0 from 0) cannot be written.
    const auto last = wholeNumber(end);
    if (!last)
        return {Encoded::refused(needsWholeNumber(count.label, 1, largestReadCount)), {}};
    return {{commandFrame(eepromLetter(memory, 'a', 'g'),
                          {addressField(*first), addressField(*last)}),
             {}},
            {memory, *first, *last >= *first ? *last - *first + 1 : 0}};
}

EepromReformat reformatForEeprom(std::string_view text, Entry start)
{
    EepromReformat result;
    const std::string digits = writableDigits(text, nothingToWrite, result.refusal);
    if (!result.ok())
        return result;
    const auto first = wholeNumber(start.text);
    if (!first) {
        result.refusal = wholeNumberRefusal(start);
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
        return Encoded::refused(wholeNumberRefusal(start));
    return {commandFrame(eepromLetter(memory, 'o', 'w'),
                         {addressField(*first), addressField(end), byteList}),
            {}};
}

Encoded lcdReadFrame(const CornerReading &corners)
{
    return lcdFrame('n', corners, {});
}

Encoded lcdWriteFrame(const CornerReading &corners, std::string_view text)
{
    return lcdFrame('m', corners, text);
}

LcdReformat reformatForLcd(std::string_view text, const CornerReading &corners)
{
    LcdReformat result;
    const std::string digits = writableDigits(text, nothingToFormat, result.refusal);
    if (!result.ok())
        return result;
    if (!corners.ok()) {
        result.refusal = corners.refusal;
        return result;
    }
    if (!corners.rect.inOrder()) {
        result.refusal = cornersOutOfOrder;
        return result;
    }
    const std::uint64_t rectangle = corners.rect.bytes();
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
