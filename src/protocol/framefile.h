#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

// A frame file holds one frame a line; blank lines and the blanks around a line are dropped. A
// line whose first character is "#" is a comment: no frame the program builds starts with one,
// and the board ignores what comes before a command key. Two comments set the pacing of the
// frames below them:
//   # xmitdelay 20     the pause in milliseconds before each wait character
//   # waitchar ]       the wait character; "# waitchar" alone: no pauses
struct FileFrame
{
    int line = 0; // from 1, as an editor counts lines
    std::string frame;
    // The pacing the comments above it set, where they set one.
    std::optional<std::int32_t> delayMs = std::nullopt;
    std::optional<std::string> waitChar = std::nullopt;

    bool operator==(const FileFrame &) const = default;
};

// No frame the board takes comes near this; a longer line is no frame.
inline constexpr std::size_t longestFrameLine = std::size_t{1} << 20;
// Why line `number` of a frame file, longer than `longestFrameLine`, is not read.
std::string lineTooLong(int number);

// Reads a frame file a line at a time, as its lines arrive.
class FrameFileReader
{
public:
    enum class Line { Frame, Comment, Refused };

    // `line` without its line end and the blanks around it. A frame comes back in `frame`
    // with the pacing in force; a pacing comment that cannot be read is refused, with why.
    Line read(int number, std::string_view line, FileFrame &frame);
    const std::string &refusal() const { return m_refusal; }

private:
    std::optional<std::int32_t> m_delay;
    std::optional<std::string> m_wait;
    std::string m_refusal;
};

struct FrameFile
{
    std::vector<FileFrame> frames;
    // The first line that is too long or a pacing comment that cannot be read, named by its line.
    std::string refusal;
};

// A whole frame file; nothing of it after a refused line.
FrameFile readFrameFile(std::string_view text);

// Writes frames as they went out, in the form FrameFileReader reads back: each frame on its own
// line, after the pacing comments wherever the pacing differs from the frame before.
class FrameFileWriter
{
public:
    // The lines to append for what `send` transmits of `terminalText` at the wait and delay
    // texts it read, each line ending in "\n"; nothing for a transmission `send` refuses.
    std::string sent(std::string_view terminalText, std::string_view waitText,
                     std::string_view delayText);
    // For text that went out as typed, without `send`'s pauses: its line alone.
    std::string typed(std::string_view text);

private:
    std::optional<std::int32_t> m_delay;
    std::optional<std::string> m_wait;
};

} // namespace protocol
