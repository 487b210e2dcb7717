#pragma once

#include "protocol/refusal.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace protocol {

enum class StringDirection { Horizontal, Vertical };

// How many characters of a text the board can take in one string: a row holds 32, a column 16.
std::size_t longestString(StringDirection direction);

// The text as the string pages send it and show it after a click: its letters in upper case.
std::string upperCased(std::string_view text);

// "]h]" or "]v]", X and Y as upper-case hex fields, "]" and each character of the upper-cased
// text, then "]@". The board draws ";" as a space; every character goes out as it is.
// As many characters go out as the text holds without its leading and trailing blanks, up to
// the longest string, counted from the text's first character: a leading blank pushes one
// character off the end (" AB" sends "] ]A"). A character beyond plain ASCII among them is
// refused: the board reads one byte per character.
Encoded stringFrame(StringDirection direction, Entry x, Entry y, std::string_view text);

} // namespace protocol
