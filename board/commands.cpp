#include "board/commands.h"

#include "board/hex.h"
#include "board/logo.h"

namespace board {

namespace {

// In the memory frames X is a column and Y a page; the bytes go column by column, and within
// a column page by page.
struct MemoryBlock
{
    int x1, x2, page1, page2;

    std::size_t size() const
    {
        return static_cast<std::size_t>(x2 - x1 + 1) * static_cast<std::size_t>(page2 - page1 + 1);
    }
    template<typename Visit>
    void forEach(Visit visit) const
    {
        for (int x = x1; x <= x2; ++x) {
            for (int page = page1; page <= page2; ++page)
                visit(x, page);
        }
    }
};

MemoryBlock memoryBlock(const Frame &frame)
{
    return {frame.fields[0], frame.fields[1], frame.fields[2], frame.fields[3]};
}

bool ordered(const MemoryBlock &block)
{
    return block.x1 <= block.x2 && block.page1 <= block.page2;
}

constexpr const char *cornersOutOfOrder = "X1 or Y1 lies beyond X2 or Y2";

} // namespace

Commands::Commands()
{
    drawLogo(m_lcd);
}

Eeprom &Commands::eepromFor(char letter)
{
    return letter == 'a' || letter == 'o' ? m_external : m_internal;
}

Opening Commands::open(const Frame &frame)
{
    const auto &f = frame.fields;
    switch (frame.letter) {
    case 'h':
    case 'v':
        m_cursor = TextCursor(f[0], f[1], frame.letter == 'v');
        return {};
    case 'm': {
        const MemoryBlock block = memoryBlock(frame);
        if (!ordered(block))
            return {0, cornersOutOfOrder};
        return {block.size(), {}};
    }
    default: {
        const auto first = static_cast<std::uint32_t>(f[0]);
        const auto last = static_cast<std::uint32_t>(f[1]);
        if (!eepromFor(frame.letter).holds(first, last))
            return {0, "address out of range"};
        return {last - first + 1, {}};
    }
    }
}

void Commands::character(const Frame &, char c)
{
    m_cursor.put(m_lcd, c);
}

Outcome Commands::finish(const Frame &frame)
{
    switch (frame.letter) {
    case 'a':
    case 'g':
        return readEeprom(frame);
    case 'n':
        return readLcd(frame);
    case 'm':
        writeLcd(frame);
        return {};
    case 'o':
    case 'w': {
        Eeprom &eeprom = eepromFor(frame.letter);
        auto address = static_cast<std::uint32_t>(frame.fields[0]);
        for (const std::uint8_t value : frame.bytes)
            eeprom.write(address++, value);
        return {};
    }
    case 'h':
    case 'v':
        return {};
    default:
        if (frame.letter == m_misdrawn)
            drawShifted(frame);
        else
            draw(frame);
        return {};
    }
}

void Commands::drawShifted(const Frame &frame)
{
    // Drawn where it belongs, then every pixel it changed is put back and changed further right.
    const Lcd before = m_lcd;
    draw(frame);
    const Lcd after = m_lcd;
    for (int y = 0; y < Lcd::height; ++y) {
        for (int x = 0; x < Lcd::width; ++x) {
            if (before.pixel(x, y) != after.pixel(x, y))
                m_lcd.setPixel(x, y, before.pixel(x, y));
        }
    }
    for (int y = 0; y < Lcd::height; ++y) {
        for (int x = 0; x < Lcd::width; ++x) {
            if (before.pixel(x, y) != after.pixel(x, y))
                m_lcd.setPixel(x + misdrawnShift, y, after.pixel(x, y));
        }
    }
}

Outcome Commands::readEeprom(const Frame &frame)
{
    const Eeprom &eeprom = eepromFor(frame.letter);
    const auto first = static_cast<std::uint32_t>(frame.fields[0]);
    const auto last = static_cast<std::uint32_t>(frame.fields[1]);
    if (!eeprom.holds(first, last))
        return {{}, "address out of range"};
    Outcome outcome;
    outcome.data.reserve(2 * (last - first + 1));
    for (std::uint32_t address = first; address <= last; ++address)
        appendHexPair(outcome.data, eeprom.read(address));
    return outcome;
}

Outcome Commands::readLcd(const Frame &frame)
{
    const MemoryBlock block = memoryBlock(frame);
    if (!ordered(block))
        return {{}, cornersOutOfOrder};
    Outcome outcome;
    outcome.data.reserve(2 * block.size());
    block.forEach([&](int x, int page) { appendHexPair(outcome.data, m_lcd.readByte(x, page)); });
    return outcome;
}

void Commands::writeLcd(const Frame &frame)
{
    std::size_t next = 0;
    memoryBlock(frame).forEach(
            [&](int x, int page) { m_lcd.writeByte(x, page, frame.bytes[next++]); });
}

void Commands::draw(const Frame &frame)
{
    const auto &f = frame.fields;
    const double step = frame.step;
    switch (frame.letter) {
    case 'b':
        drawBar(m_lcd, boxOf(f[0], f[1], f[2], f[3]), step);
        break;
    case 'c':
        drawCircle(m_lcd, f[0], f[1], f[2]);
        break;
    case 'd':
        m_lcd.setPixel(f[0], f[1], true);
        break;
    case 'e':
        m_lcd.togglePixel(f[0], f[1]);
        break;
    case 'f':
        fillPattern(m_lcd, step);
        break;
    case 'i':
        drawStepRows(m_lcd, boxOf(f[0], f[1], f[2], f[3]), step);
        break;
    case 'j':
        drawStepColumns(m_lcd, boxOf(f[0], f[1], f[2], f[3]), step);
        break;
    case 'k':
        m_lcd.clear();
        break;
    case 'l':
        drawLine(m_lcd, f[0], f[2], f[1], f[3]);
        break;
    case 'p':
        putCharacter(m_lcd, f[0], f[1], frame.character);
        break;
    case 'q':
        drawDiamond(m_lcd, f[0], f[1], f[2]);
        break;
    case 'r':
        drawRectangle(m_lcd, boxOf(f[0], f[1], f[2], f[3]), step, f[4] != 0, f[5] != 0);
        break;
    case 's':
        drawSquare(m_lcd, f[0], f[1], f[2]);
        break;
    case 't':
        drawStar(m_lcd, f[0], f[1], f[2]);
        break;
    case 'u':
        putByte(m_lcd, f[0], f[1], static_cast<std::uint8_t>(f[2]));
        break;
    case 'x':
        drawXAxis(m_lcd, f[0], f[1], f[2], step);
        break;
    case 'y':
        drawYAxis(m_lcd, f[0], f[1], f[2], step);
        break;
    default:
        break;
    }
}

} // namespace board
