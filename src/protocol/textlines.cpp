#include "protocol/textlines.h"

namespace protocol {

std::vector<NumberedLine> nonBlankLines(std::string_view text)
{
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r';
    };
    std::vector<NumberedLine> lines;
    for (std::size_t number = 1; !text.empty(); ++number) {
        // A line ends in LF, CR LF or a CR alone, as older editors end them.
        const auto end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        const bool crLf = end != std::string_view::npos && text.substr(end, 2) == "\r\n";
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + (crLf ? 2 : 1));
        while (!line.empty() && blank(line.front()))
            line.remove_prefix(1);
        while (!line.empty() && blank(line.back()))
            line.remove_suffix(1);
        if (!line.empty())
            lines.push_back({number, line});
    }
    return lines;
}

} // namespace protocol
