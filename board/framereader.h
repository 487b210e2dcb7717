#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace board {

// What a command letter takes after "]", the letter and "]", one character per part:
//   2  a field of two hex digits          4  a field of four hex digits
//   ]  the separator "]"                   d  a decimal number: a step or a tick spacing
//   c  one character, any byte            b  "]hh" bytes, as many as the rectangle holds
//   B  "]hh" bytes, as many as the address range holds, closed by one more "]"
//   s  "]" and a character, again and again, until "]@"
// A letter without parts ("]k") takes no "]" after it either.
struct CommandShape
{
    char letter;
    std::string_view parts;
    std::string_view name;
};

std::span<const CommandShape> commandShapes();
const CommandShape *shapeOf(char letter);

// One command as the reader has taken it in.
struct Frame
{
    char letter = 0;
    std::array<int, 6> fields{}; // the hex fields in the order they came
    double step = 1;             // the decimal group
    char character = ' ';        // the character of "]p"; a blank when none came
    std::vector<std::uint8_t> bytes;
    std::string text; // as received, for the log; long frames are cut
};

struct Opening
{
    std::size_t byteCount = 0;
    std::string refusal;
};

struct Outcome
{
    std::string data; // sent directly before "Ready:"
    std::string refusal;
};

// Carries out what the reader takes in.
class FrameHandler
{
public:
    virtual ~FrameHandler() = default;
    // The fields in front of a byte list or a string are in: how many bytes follow, or why not.
    virtual Opening open(const Frame &frame) = 0;
    // One character of a string, drawn as it arrives.
    virtual void character(const Frame &frame, char c) = 0;
    virtual Outcome finish(const Frame &frame) = 0;
};

// What the firmware did with one byte, so that a timing model can charge its time.
struct Activity
{
    enum Kind : std::uint8_t { Nothing, Item, Command };
    Kind kind = Nothing;
    char letter = 0;
};

// The firmware's command reader, fed one byte at a time. A frame that has all its fields ends
// at the next "]", a carriage return or line feed, or a quiet line (gap()); frames that end in
// a byte list, a string or a character end with their last part. After an error it skips to
// the next command key it can trust: "]", a command letter and "]" (or "]k"); a refused "]p"
// frame with a long field first skips its own separator and character.
class FrameReader
{
public:
    explicit FrameReader(FrameHandler &handler);

    Activity feed(char c);
    // The line has been quiet for a few character times.
    void gap();
    // The line has been quiet for long: an unfinished frame is given up.
    void timeout();

    std::string takeOutput();
    // One line per frame carried out or refused: the frame, then the reply.
    std::vector<std::string> takeLog();

private:
    // ListEnd, ListKey and ListLetter follow an LCD write whose bytes are all in, to tell a
    // byte too many ("]b2") from the next command ("]b]...").
    enum class State {
        Idle,
        Key,
        Letter,
        Parts,
        Skip,
        SkipKey,
        SkipLetter,
        SkipToCharacter,
        SkipCharacter,
        ListEnd,
        ListKey,
        ListLetter
    };

    Activity key(char c);
    Activity start(char letter);
    void enterParts();
    Activity parts(char c);
    Activity hexField(char c, int width);
    Activity decimal(char c);
    Activity character(char c);
    Activity byteItem(char c);
    Activity stringItem(char c);
    Activity nextPart();
    Activity afterList(char c);
    Activity interrupted(char c, std::string_view reason);
    Activity restartAt(char letter, bool separatorSeen);

    char part() const;
    bool lastPart() const;
    bool complete() const;
    bool takeDecimal(char c);
    bool acceptDecimal();
    void endFrame();
    void finish();
    void fail(std::string_view reason);
    void reject(std::string_view reason);
    void note(char c);
    void unnote(char c = ']');

    FrameHandler &m_handler;
    State m_state = State::Idle;
    const CommandShape *m_shape = nullptr;
    Frame m_frame;
    std::size_t m_part = 0;
    int m_fieldCount = 0;
    int m_digits = 0;
    int m_value = 0;
    std::string m_decimal;
    int m_itemPhase = 0;
    std::size_t m_itemsLeft = 0;
    char m_firstDigit = 0;
    char m_skipLetter = 0;
    std::string m_output;
    std::vector<std::string> m_log;
};

// "]c]40" with bytes outside printable ASCII written as \xNN, for logs and error replies.
std::string printable(std::string_view text);

} // namespace board
