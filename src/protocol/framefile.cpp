#include "protocol/framefile.h"

#include "protocol/numbers.h"
#include "protocol/textlines.h"
#include "protocol/transmission.h"
#include "protocol/utf8.h"

namespace protocol {

namespace {

constexpr std::string_view delayWord = "xmitdelay";
constexpr std::string_view waitWord = "waitchar";

} // namespace

std::string lineTooLong(int number)
{
    return "line " + std::to_string(number) + " is longer than any frame the board takes ("
           + std::to_string(longestFrameLine) + " characters)";
}

FrameFileReader::Line FrameFileReader::read(int number, std::string_view line, FileFrame &frame)
{
    if (!line.starts_with('#')) {
        frame = {number, std::string(line), m_delay, m_wait};
        return Line::Frame;
    }
    const std::string_view comment = trimmedLine(line.substr(1));
    const std::string_view word = comment.substr(0, comment.find_first_of(" \t"));
    const std::string_view value = trimmedLine(comment.substr(word.size()));
    const std::string where = "line " + std::to_string(number) + " (" + std::string(line) + ")";
    if (word == delayWord) {
        const auto delay = wholeNumber(value);
        if (!delay) {
            m_refusal = where + " wants a whole number of milliseconds";
            return Line::Refused;
        }
        m_delay = static_cast<std::int32_t>(*delay);
    } else if (word == waitWord) {
        if (utf8Characters(value).size() > 1) {
            m_refusal = where + " wants one wait character, or none for no pauses";
            return Line::Refused;
        }
        m_wait = std::string(value);
    }
    return Line::Comment;
}

FrameFile readFrameFile(std::string_view text)
{
    FrameFile file;
    FrameFileReader reader;
    for (const NumberedLine &line : nonBlankLines(text)) {
        if (line.text.size() > longestFrameLine) {
            file.refusal = lineTooLong(static_cast<int>(line.number));
            return file;
        }
        FileFrame frame;
        switch (reader.read(static_cast<int>(line.number), line.text, frame)) {
        case FrameFileReader::Line::Frame:
            file.frames.push_back(std::move(frame));
            break;
        case FrameFileReader::Line::Comment:
            break;
        case FrameFileReader::Line::Refused:
            file.refusal = reader.refusal();
            return file;
        }
    }
    return file;
}

std::string FrameFileWriter::sent(std::string_view terminalText, std::string_view waitText,
                                  std::string_view delayText)
{
    const TransmitPlan plan = planTransmission(terminalText, waitText, delayText);
    if (plan.refusal != TransmitRefusal::None)
        return {};
    std::string wire;
    for (const TransmitStep &step : plan.steps)
        wire += step.bytes;
    const std::int32_t delay = *transmitDelay(delayText);
    const std::string wait = waitCharacter(waitText);
    std::string out;
    if (m_delay != delay)
        out += "# " + std::string(delayWord) + " " + std::to_string(delay) + "\n";
    if (m_wait != wait)
        out += "# " + std::string(waitWord) + (wait.empty() ? "" : " ") + wait + "\n";
    m_delay = delay;
    m_wait = wait;
    return out + typed(wire);
}

std::string FrameFileWriter::typed(std::string_view text)
{
    // A frame that would read as a comment loses only what the board ignores before its first
    // command key; one without any carries nothing for the board and stays a remark, one that
    // cannot be taken for a pacing comment.
    const std::string_view shown = trimmedLine(text);
    if (shown.empty())
        return {};
    if (!shown.starts_with('#'))
        return std::string(text) + "\n";
    const auto key = shown.find(']');
    if (key == std::string_view::npos)
        return "# sent: " + std::string(shown) + "\n";
    return std::string(shown.substr(key)) + "\n";
}

} // namespace protocol
