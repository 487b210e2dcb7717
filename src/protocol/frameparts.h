#pragma once

#include "protocol/refusal.h"

#include <optional>
#include <string>
#include <string_view>

namespace protocol {

// The hex field of a value a frame builder computed (a running coordinate, a start plus an
// extent): rounded half to even, when the result lies from 0 up to the signed 32-bit maximum.
std::optional<std::string> hexFieldOfValue(double value);

// Builds one frame part by part, in the order the board reads them. The first part that cannot
// be encoded refuses the whole frame, naming its box; later parts are not looked at.
class FrameParts
{
public:
    explicit FrameParts(char letter);

    // The hex field of a box.
    FrameParts &field(Entry entry);
    // The same with upper-case digits, as the string commands send their position.
    FrameParts &upperField(Entry entry);
    // The hex field of a start box's number plus an extent box's number; both read leniently.
    FrameParts &end(Entry start, Entry extent);
    // "]" and a group sent as it is: a list item's text, a step, the flags, a character.
    FrameParts &group(std::string_view text);
    // "]" and a character as the board reads it: one byte of plain ASCII, or none at all.
    // Any other character is refused, named: the board would read its bytes as several.
    FrameParts &character(std::string_view text);
    // A group taken from a list that must have an item selected.
    FrameParts &selected(Entry item);

    Encoded done() const;

private:
    // `value` is the number the text came from, for the refusal.
    FrameParts &append(std::optional<std::string> text, std::string_view label, double value);

    std::string m_frame;
    std::string m_refusal;
};

} // namespace protocol
