#pragma once

#include "board/drawing.h"
#include "board/eeprom.h"
#include "board/framereader.h"
#include "board/lcd.h"

namespace board {

// What the firmware does with each command: draws on the display, reads and writes the
// display memory and the two EEPROMs.
class Commands final : public FrameHandler
{
public:
    static constexpr std::uint32_t externalSize = 32 * 1024;
    static constexpr std::uint32_t internalSize = 256;

    Commands();

    Opening open(const Frame &frame) override;
    void character(const Frame &frame, char c) override;
    Outcome finish(const Frame &frame) override;

    Lcd &lcd() { return m_lcd; }
    const Lcd &lcd() const { return m_lcd; }
    Eeprom &external() { return m_external; }
    Eeprom &internal() { return m_internal; }

    // For testing board checks only: the drawing command `letter` lands `misdrawnShift`
    // pixels right of where it belongs. 0 draws everything right.
    void setMisdrawn(char letter) { m_misdrawn = letter; }
    static constexpr int misdrawnShift = 3;

private:
    Eeprom &eepromFor(char letter);
    Outcome readEeprom(const Frame &frame);
    Outcome readLcd(const Frame &frame);
    void writeLcd(const Frame &frame);
    void draw(const Frame &frame);
    void drawShifted(const Frame &frame);

    Lcd m_lcd;
    Eeprom m_external{externalSize};
    Eeprom m_internal{internalSize};
    TextCursor m_cursor;
    char m_misdrawn = 0;
};

} // namespace board
