#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace protocol {

struct NumberedLine
{
    std::size_t number = 0; // from 1, as an editor counts lines
    std::string_view text;

    bool operator==(const NumberedLine &) const = default;
};

// One line without its line end and the spaces and tabs around it.
std::string_view trimmedLine(std::string_view line);

// The lines of a text that hold more than blanks, without their line ends (LF, CR LF or CR) and
// the spaces and tabs around them. They point into the text.
std::vector<NumberedLine> nonBlankLines(std::string_view text);

} // namespace protocol
