#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

// How `send` paces a frame: the pause before each wait character, and that character (empty:
// no pauses).
struct FramePacing
{
    std::int32_t delayMs = 20;
    std::string waitChar = "]";

    bool operator==(const FramePacing &) const = default;
};

// The pacing `send` takes from the delay and wait-character texts, read as it reads them;
// nothing when the delay does not fit.
std::optional<FramePacing> pacingInForce(std::string_view waitText, std::string_view delayText);

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
    std::optional<std::int32_t> delayMs = std::nullopt; // as the comments above set them
    std::optional<std::string> waitChar = std::nullopt;

    bool operator==(const FileFrame &) const = default;
};

struct FrameFile
{
    std::vector<FileFrame> frames;
    std::string refusal; // a pacing comment that cannot be read, named by its line
};

FrameFile readFrameFile(std::string_view text);

// Writes frames as they went out, in the form readFrameFile reads back: each frame on its own
// line, after the pacing comments whenever the pacing differs from the frame before.
class FrameFileWriter
{
public:
    // The lines to append for `frame` (what `send` put on the wire), each ending in "\n".
    std::string lines(std::string_view frame, const FramePacing &pacing);
    // For text that went out without `send`'s pauses, as typed: the frame alone.
    std::string lines(std::string_view frame);

private:
    std::optional<FramePacing> m_written;
};

} // namespace protocol
