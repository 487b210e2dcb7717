#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace protocol {

// What a button makes of its boxes: the frame to send, or the one message that names the box
// that cannot be encoded. Nothing is sent on a refusal.
struct Encoded
{
    std::string frame;
    std::string refusal; // empty when the frame can be sent

    bool ok() const { return refusal.empty(); }
    static Encoded refused(std::string message) { return {{}, std::move(message)}; }
};

// A box as a frame builder sees it: the label a person sees beside it, and what it holds.
struct Entry
{
    std::string_view label;
    std::string_view text;
};

// The one wording of every page for a box whose text cannot be encoded, naming the box by the
// label a person sees: "Top Left X needs a whole number from 0 up".
std::string needsWholeNumber(std::string_view label);
// The same for a box whose number came to `value` (NaN when it holds none): where the value
// lies beyond the largest a box can hold, that bound is named: "... from 0 to 2147483647".
std::string wholeNumberRefusal(std::string_view label, double value);
// The same for a box read as an ordinary decimal number.
std::string wholeNumberRefusal(Entry entry);
// The same for a box with a range of its own: "Count needs a whole number from 1 to 255".
std::string needsWholeNumber(std::string_view label, std::uint32_t low, std::uint32_t high);
// The same for a box that takes fractions too: "Step 1-9 needs a number from 1 to 9".
std::string needsNumber(std::string_view label, std::uint32_t low, std::uint32_t high);

// A character of a string or the put-character box that the board cannot take: it reads one
// byte per character, and only plain ASCII is one byte on the wire.
// "The board cannot take the character \xc3\xa9".
std::string cannotTake(std::string_view character);

} // namespace protocol
