#include "protocol/refusal.h"

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

std::string needsWholeNumber(std::string_view label, std::uint32_t low, std::uint32_t high)
{
    return std::string(label) + " needs a whole number" + fromTo(low, high);
}

std::string needsNumber(std::string_view label, std::uint32_t low, std::uint32_t high)
{
    return std::string(label) + " needs a number" + fromTo(low, high);
}

} // namespace protocol
