#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace protocol {

// Rounds to the nearest whole number, an exact half to the even neighbour: 12.5 -> 12, 13.5 -> 14.
double roundHalfEven(double value);

// The leading number of a text, as the board's tools have always read a box: blanks, tabs and
// line feeds are skipped anywhere, "&H" and "&O" introduce hex and octal digits, reading stops
// at the first character that cannot continue the number, and a text without one reads 0.
// "12abc" -> 12, "1,5" -> 1, " 3 5" -> 35, "abc" -> 0. Only "E" (either case) marks an
// exponent: "1d3" -> 1. A number too large to hold reads as infinity, never as 0.
double lenientNumber(std::string_view text);

// A number written in ordinary decimal notation (blanks around it ignored, sign, fraction and
// exponent allowed), fractions kept; too large to hold reads as infinity. Anything else
// (empty, not a number, trailing text) has no value.
std::optional<double> decimalNumber(std::string_view text);

// A whole number written in ordinary decimal notation (blanks around it ignored, a fraction
// rounded half to even, an exponent allowed), from 0 up to the signed 32-bit maximum.
// Anything else (empty, not a number, negative, too large) has no value.
std::optional<std::uint32_t> wholeNumber(std::string_view text);

} // namespace protocol
