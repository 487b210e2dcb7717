#include "board/logo.h"

#include "board/drawing.h"
#include "board/font.h"

#include <string_view>

namespace board {

namespace {

void centredText(Lcd &lcd, std::string_view text, int y)
{
    const int width = static_cast<int>(text.size()) * cellWidth - 1;
    TextCursor cursor((Lcd::width - width) / 2, y, false);
    for (const char c : text)
        cursor.put(lcd, c);
}

} // namespace

void drawLogo(Lcd &lcd)
{
    lcd.clear();
    drawRectangle(lcd, boxOf(0, Lcd::width - 1, 0, Lcd::height - 1), 1, false, false);
    drawRectangle(lcd, boxOf(2, Lcd::width - 3, 2, Lcd::height - 3), 2, false, false);
    drawStar(lcd, 16, 20, 9);
    drawStar(lcd, Lcd::width - 17, 20, 9);
    centredText(lcd, "KORVEL", 10);
    centredText(lcd, "BOARD", 20);
    drawLine(lcd, 30, 32, Lcd::width - 31, 32);
    centredText(lcd, "BREVIK DEMO", 38);
    centredText(lcd, "READY", 50);
}

} // namespace board
