#include "protocol/framefile.h"

#include "protocol/textlines.h"
#include "protocol/transmission.h"
#include "protocol/utf8.h"

#include <limits>

namespace protocol {

namespace {

constexpr std::string_view delayWord = "xmitdelay";
constexpr std::string_view waitWord = "waitchar";

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<std::int32_t> wholeMilliseconds(std::string_view text)
{
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::optional<FramePacing> pacingInForce(std::string_view waitText, std::string_view delayText)
{
    const auto delay = transmitDelay(delayText);
    if (!delay)
        return std::nullopt;
    return FramePacing{*delay, waitCharacter(waitText)};
}

FrameFile readFrameFile(std::string_view text)
{
    FrameFile file;
    std::optional<std::int32_t> delay;
    std::optional<std::string> wait;
    for (const NumberedLine &line : nonBlankLines(text)) {
        const std::string where = "line " + std::to_string(line.number) + " (";
        if (line.text.front() != '#') {
            file.frames.push_back(
                    {static_cast<int>(line.number), std::string(line.text), delay, wait});
            continue;
        }
        const std::string_view comment = trimmed(line.text.substr(1));
        const std::string_view word = comment.substr(0, comment.find_first_of(" \t"));
        const std::string_view value = trimmed(comment.substr(word.size()));
        if (word == delayWord) {
            delay = wholeMilliseconds(value);
            if (!delay) {
                file.refusal
                        = where + std::string(line.text) + ") wants a whole number of milliseconds";
                return file;
            }
        } else if (word == waitWord) {
            if (utf8Characters(value).size() > 1) {
                file.refusal = where + std::string(line.text)
                               + ") wants one wait character, or none for no pauses";
                return file;
            }
            wait = std::string(value);
        }
    }
    return file;
}

std::string FrameFileWriter::lines(std::string_view frame, const FramePacing &pacing)
{
    std::string out;
    if (!m_written || m_written->delayMs != pacing.delayMs)
        out += "# " + std::string(delayWord) + " " + std::to_string(pacing.delayMs) + "\n";
    if (!m_written || m_written->waitChar != pacing.waitChar)
        out += "# " + std::string(waitWord) + (pacing.waitChar.empty() ? "" : " ") + pacing.waitChar
               + "\n";
    m_written = pacing;
    return out + lines(frame);
}

std::string FrameFileWriter::lines(std::string_view frame)
{
    // A frame that would read as a comment loses only what the board ignores before its first
    // command key; one without any carries nothing for the board and stays a remark, one that
    // cannot be taken for a pacing comment.
    const std::string_view shown = trimmed(frame);
    if (shown.empty())
        return {};
    if (!shown.starts_with('#'))
        return std::string(frame) + "\n";
    const auto key = shown.find(']');
    if (key == std::string_view::npos)
        return "# sent: " + std::string(shown) + "\n";
    return std::string(shown.substr(key)) + "\n";
}

} // namespace protocol
