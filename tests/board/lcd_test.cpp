// The display memory: two controllers, pages of eight rows, the least significant bit on top.
#include "board/lcd.h"

#include <gtest/gtest.h>

namespace {

TEST(Lcd, PixelsMapToBytesOfTheirControllerAndPage)
{
    const struct
    {
        int x, y;
        int byteIndex; // page * 128 + x in the memory snapshot
        std::uint8_t bit;
    } rows[] = {
            {0, 0, 0, 0x01},   {0, 7, 0, 0x80},         {0, 8, 128, 0x01},
            {63, 7, 63, 0x80}, {64, 8, 128 + 64, 0x01}, {127, 63, 7 * 128 + 127, 0x80},
            {64, 0, 64, 0x01}, {5, 13, 128 + 5, 0x20},
    };
    for (const auto &row : rows) {
        board::Lcd lcd;
        lcd.setPixel(row.x, row.y, true);
        board::LcdMemory expected{};
        expected[static_cast<std::size_t>(row.byteIndex)] = row.bit;
        EXPECT_EQ(lcd.memory(), expected) << row.x << "," << row.y;
        EXPECT_TRUE(lcd.pixel(row.x, row.y));
    }
}

TEST(Lcd, PixelsOutsideTheDisplayAreIgnored)
{
    board::Lcd lcd;
    for (const auto &[x, y] : {std::pair{-1, 0}, {128, 0}, {0, -1}, {0, 64}, {200, 200}}) {
        lcd.setPixel(x, y, true);
        lcd.togglePixel(x, y);
        EXPECT_FALSE(lcd.pixel(x, y));
    }
    EXPECT_EQ(lcd.memory(), board::LcdMemory{});
}

TEST(Lcd, AByteRunWrapsWithinItsControllerAtColumn63)
{
    board::Lcd lcd;
    const std::uint8_t bytes[] = {0x11, 0x22, 0x33};
    lcd.writeRun(0, 2, 63, bytes, 3);
    const auto memory = lcd.memory();
    EXPECT_EQ(memory[2 * 128 + 63], 0x11);
    EXPECT_EQ(memory[2 * 128 + 0], 0x22);
    EXPECT_EQ(memory[2 * 128 + 1], 0x33);
    EXPECT_EQ(memory[2 * 128 + 64], 0x00) << "nothing spills into the right controller";
}

TEST(Lcd, ByteAddressesKeepTheLowBitsOfTheControllerRegisters)
{
    board::Lcd lcd;
    lcd.writeByte(130, 9, 0xa5); // right controller, column 2, page 1
    EXPECT_EQ(lcd.memory()[1 * 128 + 66], 0xa5);
    EXPECT_EQ(lcd.readByte(66, 1), 0xa5);
}

TEST(Lcd, EveryChangeMovesTheRevisionOn)
{
    board::Lcd lcd;
    const auto before = lcd.revision();
    lcd.setPixel(1, 1, true);
    EXPECT_GT(lcd.revision(), before);
}

} // namespace
