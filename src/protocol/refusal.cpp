#include "protocol/refusal.h"

#include "protocol/numbers.h"

#include <limits>

namespace protocol {

namespace {

std::string fromTo(std::uint32_t low, std::uint32_t high)
{
    return " from " + std::to_string(low) + " to " + std::to_string(high);
}

} // namespace

std::string needsWholeNumber(std::string_view label)
{
    return std::string(label) + " needs a whole number from 0 up";
}

std::string wholeNumberRefusal(std::string_view label, double value)
{
    constexpr auto largest = std::numeric_limits<std::int32_t>::max();
    return roundHalfEven(value) > largest ? needsWholeNumber(label, 0, largest)
                                          : needsWholeNumber(label);
}

std::string wholeNumberRefusal(Entry entry)
{
    return wholeNumberRefusal(
            entry.label,
            decimalNumber(entry.text).value_or(std::numeric_limits<double>::quiet_NaN()));
}

std::string needsWholeNumber(std::string_view label, std::uint32_t low, std::uint32_t high)
{
    return std::string(label) + " needs a whole number" + fromTo(low, high);
}

std::string needsNumber(std::string_view label, std::uint32_t low, std::uint32_t high)
{
    return std::string(label) + " needs a number" + fromTo(low, high);
}

std::string cannotTake(std::string_view character)
{
    return "The board cannot take the character " + std::string(character);
}

} // namespace protocol
