#include "protocol/hextext.h"

#include <gtest/gtest.h>

namespace {

TEST(HexText, LayoutIsRemovedAndOnlyHexDigitsRemain)
{
    const struct
    {
        const char *in;
        const char *out; // nullptr: refused
    } rows[] = {
            {"12ab34", "12ab34"},
            {"12 AB\t34", "12AB34"},                                  // case is kept
            {"  00 01 02 03\r\n04 05 06 07\r\n", "0001020304050607"}, // a pasted dump
            {"1 2", "12"},
            {" \r\n\t", ""},
            {"", ""},
            {"12g4", nullptr},
            {"]12]ab]", nullptr}, // a byte list is not hex text
            {"12\xc2\xa0"
             "34",
             nullptr}, // a no-break space is not layout
            {"0x12", nullptr},
    };
    for (const auto &row : rows) {
        const auto cleaned = protocol::cleanHexText(row.in);
        if (row.out)
            EXPECT_EQ(cleaned, row.out) << '"' << row.in << '"';
        else
            EXPECT_FALSE(cleaned) << '"' << row.in << '"';
    }
}

TEST(ByteList, EepromClosesWithOneMoreKeyLcdDoesNot)
{
    const struct
    {
        const char *pairs;
        const char *eeprom;
        const char *lcd;
    } rows[] = {
            {"12ab34", "]12]ab]34]", "]12]ab]34"},
            {"ff", "]ff]", "]ff"},
            {"a1b2", "]a1]b2]", "]a1]b2"},
            {"", "]", ""},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(protocol::eepromByteList(row.pairs), row.eeprom) << row.pairs;
        EXPECT_EQ(protocol::lcdByteList(row.pairs), row.lcd) << row.pairs;
    }
}

} // namespace
