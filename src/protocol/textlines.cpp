#include "protocol/textlines.h"

namespace protocol {

std::string_view trimmedLine(std::string_view line)
{
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    };
    while (!line.empty() && blank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && blank(line.back()))
        line.remove_suffix(1);
    return line;
}

std::vector<NumberedLine> nonBlankLines(std::string_view text)
{
    std::vector<NumberedLine> lines;
    for (std::size_t number = 1; !text.empty(); ++number) {
        // A line ends in LF, CR LF or a CR alone, as older editors end them.
        const auto end = text.find_first_of("\r\n");
        const bool crLf = end != std::string_view::npos && text.substr(end, 2) == "\r\n";
        const std::string_view line = trimmedLine(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + (crLf ? 2 : 1));
        if (!line.empty())
            lines.push_back({number, line});
    }
    return lines;
}

} // namespace protocol
