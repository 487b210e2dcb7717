#include "board/framereader.h"

#include "board/hex.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace board {

namespace {

constexpr CommandShape shapes[] = {
        {'a', "44", "read external EEPROM"},
        {'b', "2222]d", "bar"},
        {'c', "222", "circle"},
        {'d', "22", "set dot"},
        {'e', "22", "toggle dot"},
        {'f', "d", "fill"},
        {'g', "44", "read internal EEPROM"},
        {'h', "22s", "horizontal string"},
        {'i', "2222]d", "horizontal step lines"},
        {'j', "2222]d", "vertical step lines"},
        {'k', "", "clear"},
        {'l', "2222", "line"},
        {'m', "2222b", "write LCD memory"},
        {'n', "2222", "read LCD memory"},
        {'o', "44B", "write external EEPROM"},
        {'p', "22]c", "put character"},
        {'q', "222", "diamond"},
        {'r', "2222]d]22", "rectangle"},
        {'s', "222", "square"},
        {'t', "222", "star"},
        {'u', "222", "put byte"},
        {'v', "22s", "vertical string"},
        {'w', "44B", "write internal EEPROM"},
        {'x', "222]d", "x axis"},
        {'y', "222]d", "y axis"},
};

// Decimal groups are kept to this many characters, frames kept for the log cut here.
constexpr std::size_t longestDecimal = 20;
constexpr std::size_t longestNote = 48;

// The byte phase of an EEPROM write whose closing "]" is in.
constexpr int listClosed = 3;

constexpr double smallestStep = 1;
constexpr double largestStep = 255;

bool endOfLine(char c)
{
    return c == '\r' || c == '\n';
}

// "digits" or "digits.digits"; nothing else is a step.
bool readDecimal(const std::string &text, double *value)
{
    const auto dot = text.find('.');
    if (text.empty() || dot == 0 || dot + 1 == text.size())
        return false;
    double whole = 0;
    double scale = 1;
    bool fraction = false;
    for (const char c : text) {
        if (c == '.') {
            fraction = true;
            continue;
        }
        if (fraction) {
            scale /= 10;
            whole += (c - '0') * scale;
        } else {
            whole = whole * 10 + (c - '0');
        }
    }
    *value = whole;
    return true;
}

} // namespace

std::span<const CommandShape> commandShapes()
{
    return shapes;
}

const CommandShape *shapeOf(char letter)
{
    const auto found
            = std::find_if(std::begin(shapes), std::end(shapes),
                           [letter](const CommandShape &shape) { return shape.letter == letter; });
    return found == std::end(shapes) ? nullptr : found;
}

std::string printable(std::string_view text)
{
    std::string shown;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x20 && code < 0x7f) {
            shown += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", code);
            shown += escaped;
        }
    }
    return shown;
}

FrameReader::FrameReader(FrameHandler &handler)
    : m_handler(handler)
{}

Activity FrameReader::feed(char c)
{
    switch (m_state) {
    case State::Idle:
        if (c == ']')
            m_state = State::Key;
        return {};
    case State::Key:
        return key(c);
    case State::Letter:
        note(c);
        if (c == ']') {
            enterParts();
            return {};
        }
        return interrupted(c, "expected ] after the letter");
    case State::Parts:
        note(c);
        return parts(c);
    case State::Skip:
        if (c == ']')
            m_state = State::SkipKey;
        return {};
    case State::SkipKey:
        if (c == 'k')
            return start(c);
        if (shapeOf(c)) {
            m_skipLetter = c;
            m_state = State::SkipLetter;
        } else if (c != ']') {
            m_state = State::Skip;
        }
        return {};
    case State::SkipToCharacter:
        if (c == ']')
            m_state = State::SkipCharacter;
        else if (hexValue(c) < 0)
            m_state = endOfLine(c) ? State::Idle : State::Skip;
        return {};
    case State::SkipCharacter:
        // "]" here means the character was left out, and is the next command key.
        m_state = c == ']' ? State::Key : State::Idle;
        return {};
    case State::SkipLetter:
        if (c != ']') {
            m_state = State::Skip;
            return {};
        }
        start(m_skipLetter);
        note(c);
        enterParts();
        return {};
    case State::ListEnd:
    case State::ListKey:
    case State::ListLetter:
        return afterList(c);
    }
    return {};
}

Activity FrameReader::key(char c)
{
    if (c == ']')
        return {};
    if (endOfLine(c)) {
        m_state = State::Idle;
        return {};
    }
    if (shapeOf(c))
        return start(c);
    m_frame = Frame{};
    m_frame.text = "]";
    note(c);
    fail("unknown command");
    return {};
}

Activity FrameReader::start(char letter)
{
    m_shape = shapeOf(letter);
    m_frame = Frame{};
    m_frame.letter = letter;
    m_frame.text = "]";
    note(letter);
    if (m_shape->parts.empty()) {
        finish();
        return {Activity::Command, letter};
    }
    m_state = State::Letter;
    return {};
}

void FrameReader::enterParts()
{
    m_state = State::Parts;
    m_part = 0;
    m_fieldCount = 0;
    m_digits = 0;
    m_value = 0;
    m_decimal.clear();
    m_itemPhase = 0;
    m_itemsLeft = 0;
}

Activity FrameReader::parts(char c)
{
    if (endOfLine(c)) {
        endFrame();
        return {};
    }
    if (m_part == m_shape->parts.size()) {
        if (c != ']') {
            fail("more characters than the command takes");
            return {};
        }
        unnote();
        finish();
        m_state = State::Key;
        return {};
    }
    switch (part()) {
    case '2':
        return hexField(c, 2);
    case '4':
        return hexField(c, 4);
    case ']':
        return c == ']' ? nextPart() : interrupted(c, "expected ]");
    case 'd':
        return decimal(c);
    case 'c':
        return character(c);
    case 'b':
    case 'B':
        return byteItem(c);
    default:
        return stringItem(c);
    }
}

Activity FrameReader::hexField(char c, int width)
{
    const int digit = hexValue(c);
    if (digit < 0)
        return interrupted(c, "expected a hex digit");
    m_value = m_value * 16 + digit;
    if (++m_digits < width)
        return {};
    m_frame.fields[static_cast<std::size_t>(m_fieldCount++) % m_frame.fields.size()] = m_value;
    m_digits = 0;
    m_value = 0;
    return nextPart();
}

Activity FrameReader::nextPart()
{
    ++m_part;
    if (m_part == m_shape->parts.size())
        return {Activity::Command, m_frame.letter};
    const char next = part();
    if (next == 'b' || next == 'B' || next == 's') {
        const Opening opening = m_handler.open(m_frame);
        if (!opening.refusal.empty()) {
            fail(opening.refusal);
            return {};
        }
        m_itemsLeft = opening.byteCount;
        m_itemPhase = 0;
        m_frame.bytes.reserve(m_itemsLeft);
    }
    return {};
}

Activity FrameReader::decimal(char c)
{
    const bool digit = c >= '0' && c <= '9';
    const bool firstDot
            = c == '.' && !m_decimal.empty() && m_decimal.find('.') == std::string::npos;
    if (digit || firstDot) {
        const bool first = m_decimal.empty();
        if (!takeDecimal(c)) {
            fail("a step runs from 1 to 255");
            return {};
        }
        if (lastPart() && first)
            return {Activity::Command, m_frame.letter};
        return {};
    }
    if (c != ']' || m_decimal.empty())
        return interrupted(c, "expected a decimal number");
    if (lastPart()) {
        unnote();
        finish();
        m_state = State::Key;
        return {};
    }
    // This "]" is the separator that follows the number.
    if (!acceptDecimal()) {
        m_state = State::Skip;
        return {};
    }
    ++m_part;
    return nextPart();
}

bool FrameReader::takeDecimal(char c)
{
    const bool fraction = m_decimal.find('.') != std::string::npos;
    if (fraction) {
        // Digits past these cannot change a step ("1.33333333333333" for 4/3).
        if (m_decimal.size() < longestDecimal)
            m_decimal += c;
        return true;
    }
    if (m_decimal == "0" && c != '.')
        m_decimal.clear();
    m_decimal += c;
    // Without leading zeros, four digits before the point are past 255.
    return c == '.' || m_decimal.size() <= 3;
}

Activity FrameReader::character(char c)
{
    const bool missing = c == ']';
    if (missing)
        unnote();
    else
        m_frame.character = c;
    finish();
    if (missing)
        m_state = State::Key;
    return {Activity::Command, m_frame.letter};
}

Activity FrameReader::byteItem(char c)
{
    switch (m_itemPhase) {
    case 0:
        if (c != ']')
            return interrupted(c, "expected ] before a byte");
        if (m_itemsLeft == 0) {
            // The closing "]": the write is carried out once what follows shows no byte more.
            m_itemPhase = listClosed;
            return {Activity::Command, m_frame.letter};
        }
        m_itemPhase = 1;
        return {};
    case 1:
        if (hexValue(c) >= 0) {
            m_firstDigit = c;
            m_itemPhase = 2;
            return {};
        }
        if (shapeOf(c))
            return restartAt(c, false);
        // A list shorter than its range, then the next command: "]34]" + "]k".
        if (c == ']')
            return interrupted(c, {});
        fail("a byte is two hex digits");
        return {};
    case listClosed:
        if (hexValue(c) >= 0) {
            fail("more bytes than the address range holds");
            return {};
        }
        unnote(c);
        finish();
        if (c == ']')
            m_state = State::Key;
        return {};
    default:
        if (hexValue(c) >= 0) {
            m_frame.bytes.push_back(
                    static_cast<std::uint8_t>(hexValue(m_firstDigit) * 16 + hexValue(c)));
            m_itemPhase = 0;
            if (--m_itemsLeft == 0 && part() == 'b') {
                finish();
                m_state = State::ListEnd;
            }
            return {Activity::Item, m_frame.letter};
        }
        // "]c]" is a command key, not a byte: the list was cut short.
        if (c == ']' && shapeOf(m_firstDigit))
            return restartAt(m_firstDigit, true);
        if (c == ']')
            return interrupted(c, {});
        fail("a byte is two hex digits");
        return {};
    }
}

Activity FrameReader::stringItem(char c)
{
    if (m_itemPhase == 0) {
        if (c != ']')
            return interrupted(c, "expected ] before a character");
        m_itemPhase = 1;
        return {};
    }
    m_itemPhase = 0;
    if (c == '@') {
        finish();
        return {};
    }
    m_handler.character(m_frame, c);
    return {Activity::Item, m_frame.letter};
}

// After an LCD write whose bytes are all in: "]" and a hex digit is a byte too many, refused
// naming the write (whose bytes are on the display already); "]b]" is the next command.
Activity FrameReader::afterList(char c)
{
    const State state = std::exchange(m_state, State::Idle);
    if (state == State::ListEnd) {
        if (c == ']')
            m_state = State::ListKey;
        return {};
    }
    const bool digit = hexValue(c) >= 0;
    if (state == State::ListKey && digit && shapeOf(c)) {
        m_skipLetter = c;
        m_state = State::ListLetter;
        return {};
    }
    if (digit) {
        note(']');
        if (state == State::ListLetter)
            note(m_skipLetter);
        note(c);
        fail("more bytes than the rectangle holds");
        return {};
    }
    m_state = State::Key;
    if (state == State::ListKey)
        return key(c);
    key(m_skipLetter);
    return feed(c);
}

Activity FrameReader::interrupted(char c, std::string_view reason)
{
    if (c != ']') {
        // A field of more than two digits ("]p]12c0a]k" for x 300): the rest of the fields, the
        // separator and the character still belong to this frame, not to a next command.
        const bool beforeCharacter = m_state == State::Parts && hexValue(c) >= 0
                                     && m_shape->parts.find('c', m_part) != std::string_view::npos;
        fail(reason);
        if (beforeCharacter)
            m_state = State::SkipToCharacter;
        return {};
    }
    // The "]" that cut this frame short is the next command key.
    unnote();
    reject("frame cut short");
    m_state = State::Key;
    return {};
}

Activity FrameReader::restartAt(char letter, bool separatorSeen)
{
    reject("frame cut short");
    const Activity activity = start(letter);
    if (separatorSeen && m_state == State::Letter) {
        note(']');
        enterParts();
    }
    return activity;
}

char FrameReader::part() const
{
    return m_shape->parts[m_part];
}

bool FrameReader::lastPart() const
{
    return m_part + 1 == m_shape->parts.size();
}

bool FrameReader::complete() const
{
    if (m_part == m_shape->parts.size() || part() == 'c')
        return true;
    if (part() == 'B' && m_itemPhase == listClosed)
        return true;
    return lastPart() && part() == 'd' && !m_decimal.empty();
}

bool FrameReader::acceptDecimal()
{
    double value = 0;
    if (!readDecimal(m_decimal, &value) || value < smallestStep || value > largestStep) {
        reject("a step runs from 1 to 255");
        return false;
    }
    m_frame.step = value;
    return true;
}

void FrameReader::gap()
{
    if (m_state == State::Parts && complete())
        finish();
}

void FrameReader::timeout()
{
    if (m_state == State::Parts) {
        endFrame();
        return;
    }
    if (m_state == State::ListLetter) {
        m_state = State::Key;
        key(m_skipLetter);
    }
    if (m_state == State::Letter)
        reject("frame cut short");
    m_state = State::Idle;
}

void FrameReader::endFrame()
{
    if (complete()) {
        finish();
        return;
    }
    reject("frame cut short");
    m_state = State::Idle;
}

void FrameReader::finish()
{
    m_state = State::Idle;
    if (m_part < m_shape->parts.size() && part() == 'd' && !acceptDecimal())
        return;
    const Outcome outcome = m_handler.finish(m_frame);
    if (!outcome.refusal.empty()) {
        reject(outcome.refusal);
        return;
    }
    m_output += outcome.data;
    m_output += "Ready:\r";
    m_log.push_back(printable(m_frame.text) + "  Ready:");
}

void FrameReader::fail(std::string_view reason)
{
    reject(reason);
    m_state = State::Skip;
}

void FrameReader::reject(std::string_view reason)
{
    const std::string line = "Error: " + std::string(reason) + ": " + printable(m_frame.text);
    m_output += line;
    m_output += '\r';
    m_log.push_back(printable(m_frame.text) + "  " + line);
}

void FrameReader::note(char c)
{
    if (endOfLine(c))
        return;
    if (m_frame.text.size() < longestNote)
        m_frame.text += c;
    else if (m_frame.text.size() == longestNote)
        m_frame.text += "...";
}

void FrameReader::unnote(char c)
{
    if (m_frame.text.size() <= longestNote && !m_frame.text.empty() && m_frame.text.back() == c)
        m_frame.text.pop_back();
}

std::string FrameReader::takeOutput()
{
    return std::exchange(m_output, {});
}

std::vector<std::string> FrameReader::takeLog()
{
    return std::exchange(m_log, {});
}

} // namespace board
