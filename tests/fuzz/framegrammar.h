#pragma once

// What a well-formed command frame looks like, for the fuzz targets and the bad-input sweep:
// "]", a command letter, "]" and the parts of that letter's pattern back to back ("]k" alone
// has neither the second "]" nor parts). Pattern letters:
//   H  a hex field: lower-case digits, exactly two, or three to eight without a leading 0
//      (the whole numbers up to the signed 32-bit maximum)
//   U  the same with upper-case digits (the string positions)
//   h  exactly two lower-case hex digits (a corner already corrected into 0 to 255)
//   E  an EEPROM address: four or more upper-case hex digits, no leading 0 beyond the four
//   N  a decimal number as the rectangle writes its step: sign, digits, point, exponent
//   F  a flag, "00" or "01"
//   5  one digit 1 to 5 (bar step); 9: one digit 1 to 9 (fill step); T: 1 to 10 (ticks)
//   C  at most one character, any byte (the put-character frame)
//   S  up to 32 groups of "]" and one byte, then "]@" (a horizontal string); s: up to 16
//   *  the rest of the frame, whatever it holds: the write pages send their text as it stands,
//      normally a byte list (isEepromByteList, isLcdByteList), but also what a person typed
//   ]  itself
// Pure standard C++, so that the fuzz targets can use it.

#include <cstddef>
#include <string_view>

namespace framegrammar {

// The parts after "]x]" for each letter the program sends, or nullptr for an unknown letter.
inline const char *patternOf(char letter)
{
    switch (letter) {
    case 'c':
    case 's':
    case 'q':
    case 't':
        return "HHH";
    case 'r':
        return "hhhh]N]FF";
    case 'l':
        return "HHHH";
    case 'b':
        return "HHHH]5";
    case 'x':
    case 'y':
        return "HHH]T";
    case 'd':
    case 'e':
        return "HH";
    case 'u':
        return "HHH";
    case 'p':
        return "HH]C";
    case 'f':
        return "9";
    case 'h':
        return "UUS";
    case 'v':
        return "UUs";
    case 'a':
    case 'g':
        return "EE";
    case 'o':
    case 'w':
        return "EE*";
    case 'n':
        return "HHHH";
    case 'm':
        return "HHHH*";
    default:
        return nullptr;
    }
}

namespace detail {

inline bool isLowerHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

inline bool isUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool isAnyHex(char c)
{
    return isLowerHex(c) || isUpperHex(c);
}

inline bool isHexField(std::string_view field, bool upper)
{
    if (field.size() < 2 || field.size() > 8)
        return false;
    for (char c : field) {
        if (!(upper ? isUpperHex(c) : isLowerHex(c)))
            return false;
    }
    return field.size() == 2
           || (field.front() != '0' && (field.size() < 8 || field.front() <= '7'));
}

// How many characters of `text` from `at` a decimal number as the rectangle writes its step
// covers, longest first is not needed: the next part is always "]".
inline std::size_t decimalLength(std::string_view text, std::size_t at)
{
    std::size_t i = at;
    if (i < text.size() && text[i] == '-')
        ++i;
    const std::size_t digits = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == digits)
        return 0;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == fraction)
            return 0;
    }
    if (i < text.size() && text[i] == 'e') {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t exponent = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == exponent)
            return 0;
    }
    return i - at;
}

inline bool matches(std::string_view pattern, std::string_view text);

// Groups of "]" and one byte up to `most`, then "]@", ending the frame.
inline bool isStringTail(std::string_view text, std::size_t most)
{
    std::size_t groups = 0;
    while (text.size() > 2 && groups < most) {
        if (text.front() != ']')
            return false;
        text.remove_prefix(2);
        ++groups;
    }
    return text == "]@";
}

// One or more groups of "]" and two hex digits, with or without a closing "]".
inline bool isByteList(std::string_view text, bool closed)
{
    if (closed) {
        if (text.empty() || text.back() != ']')
            return false;
        text.remove_suffix(1);
    }
    if (text.empty() || text.size() % 3 != 0)
        return false;
    for (std::size_t i = 0; i < text.size(); i += 3) {
        if (text[i] != ']' || !isAnyHex(text[i + 1]) || !isAnyHex(text[i + 2]))
            return false;
    }
    return true;
}

inline bool matches(std::string_view pattern, std::string_view text)
{
    if (pattern.empty())
        return text.empty();
    const std::string_view rest = pattern.substr(1);
    const auto then = [&](std::size_t length) {
        return length <= text.size() && matches(rest, text.substr(length));
    };
    switch (pattern.front()) {
    case 'H':
    case 'U':
        for (std::size_t length = 2; length <= 8 && length <= text.size(); ++length) {
            if (isHexField(text.substr(0, length), pattern.front() == 'U') && then(length))
                return true;
        }
        return false;
    case 'h':
        return text.size() >= 2 && isLowerHex(text[0]) && isLowerHex(text[1]) && then(2);
    case 'E':
        for (std::size_t length = 4; length <= 8 && length <= text.size(); ++length) {
            bool hex = length == 4 || text.front() != '0';
            for (std::size_t i = 0; i < length; ++i)
                hex = hex && isUpperHex(text[i]);
            if (hex && then(length))
                return true;
        }
        return false;
    case 'N': {
        const std::size_t length = decimalLength(text, 0);
        return length > 0 && then(length);
    }
    case 'F':
        return text.substr(0, 2) == "00" ? then(2) : text.substr(0, 2) == "01" && then(2);
    case '5':
        return !text.empty() && text[0] >= '1' && text[0] <= '5' && then(1);
    case '9':
        return !text.empty() && text[0] >= '1' && text[0] <= '9' && then(1);
    case 'T':
        if (text.substr(0, 2) == "10" && then(2))
            return true;
        return !text.empty() && text[0] >= '1' && text[0] <= '9' && then(1);
    case 'C':
        return then(0) || then(1);
    case 'S':
        return rest.empty() && isStringTail(text, 32);
    case 's':
        return rest.empty() && isStringTail(text, 16);
    case '*':
        return rest.empty();
    default: // a literal character
        return !text.empty() && text.front() == pattern.front() && then(1);
    }
}

} // namespace detail

// "]" and two hex digits for every byte, and for the EEPROM one more "]" after the last.
inline bool isEepromByteList(std::string_view list)
{
    return detail::isByteList(list, true);
}

inline bool isLcdByteList(std::string_view list)
{
    return detail::isByteList(list, false);
}

// Whether `frame` is one well-formed frame whose letter is one of `letters`.
inline bool isWellFormed(std::string_view frame, std::string_view letters)
{
    if (frame.size() < 2 || frame[0] != ']' || letters.find(frame[1]) == std::string_view::npos)
        return false;
    if (frame[1] == 'k')
        return frame.size() == 2;
    const char *pattern = patternOf(frame[1]);
    return pattern && frame.size() >= 3 && frame[2] == ']'
           && detail::matches(pattern, frame.substr(3));
}

} // namespace framegrammar
