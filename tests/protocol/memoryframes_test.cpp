#include "protocol/hextext.h"
#include "protocol/memoryframes.h"

#include <gtest/gtest.h>

namespace {

using protocol::Eeprom;

const std::string notHex = "Only hex digits 0-9 and a-f allowed -- recheck entries";
const std::string notPairs = "Hex characters must be in pairs -- recheck entries";
const std::string badStart = "Start Address needs a whole number from 0 up";

struct Row
{
    std::string in, out;
};

TEST(HexText, LayoutGoesOnlyHexDigitsStay)
{
    const Row rows[] = {
            {"12ab34", "12ab34"},
            {" 00 01\r\n02 AB\t\r\n", "000102AB"}, // a pasted dump
            {" \r\n", ""},
            {"12g4", "-"},
            {"]12]ab]", "-"}, // a byte list is not hex text
            {"12\xc2\xa0"
             "34",
             "-"}, // a no-break space is not layout
    };
    for (const Row &row : rows)
        EXPECT_EQ(protocol::cleanHexText(row.in).value_or("-"), row.out) << row.in;
}

TEST(FourDigitForm, BoxesLeftAndTheEndAddress)
{
    const Row rewrites[]
            = {{"12", "0012"},   {" 7 ", "0007"},    {"12.5", "0012"}, {"13.5", "0014"},
               {"4095", "4095"}, {"12abc", "12abc"}, {"-5", "-5"},     {"", ""}};
    for (const Row &row : rewrites)
        EXPECT_EQ(protocol::fourDigitRewrite(row.in), row.out) << row.in;
    EXPECT_EQ(protocol::endAddressCaption("0016", "0004"), "0019");
    EXPECT_EQ(protocol::endAddressCaption("0000", "0000"), "-0001");
    EXPECT_EQ(protocol::endAddressCaption("12abc", ""), "0011"); // read leniently
    EXPECT_EQ(protocol::fourDigitForm(12345), "12345");
}

TEST(EepromFrames, ReadFrameOrTheBoxItCannotUse)
{
    const struct
    {
        Eeprom memory;
        const char *start, *count, *end;
        std::string out; // the frame, or the refusal
    } rows[] = {
            {Eeprom::External, "0016", "0004", "0019", "]a]00100013"},
            {Eeprom::Internal, "0016", "0004", "0019", "]g]00100013"},
            {Eeprom::External, "4095", "0002", "4096", "]a]0FFF1000"},
            {Eeprom::External, "0000", "0000", "-0001",
             "Number needs a whole number from 1 to 9999"},
            {Eeprom::External, "0000", "0000", "0000", "]a]00000000"},  // the page's defaults
            {Eeprom::External, "0016", "12abc", "0027", "]a]0010001B"}, // the end as shown
            {Eeprom::External, "", "0004", "0003", "Address needs a whole number from 0 up"},
    };
    for (const auto &row : rows) {
        const auto encoded = protocol::eepromReadFrame(row.memory, {"Address", row.start},
                                                       {"Number", row.count}, row.end);
        EXPECT_EQ(encoded.ok() ? encoded.frame : encoded.refusal, row.out);
    }
}

TEST(EepromFrames, ReformattedTextWrittenFromItsStart)
{
    const struct
    {
        Eeprom memory;
        const char *start, *text;
        std::string out; // the frame, or the refusal
    } rows[] = {
            {Eeprom::External, "0016", "12ab34", "]o]00100012]12]ab]34]"},
            {Eeprom::Internal, "0016", "12ab34", "]w]00100012]12]ab]34]"},
            {Eeprom::External, "4095", "01 02\r\n", "]o]0FFF1000]01]02]"},
            {Eeprom::External, "abc", "12 x", notHex}, // checked first
            {Eeprom::External, "abc", "1 2 3", notPairs},
            {Eeprom::External, "0016", " \r\n", "Nothing to write!"},
            {Eeprom::External, "", "12", badStart},
    };
    for (const auto &row : rows) {
        const protocol::Entry start{"Start Address", row.start};
        const auto reformatted = protocol::reformatForEeprom(row.text, start);
        const auto encoded = protocol::eepromWriteFrame(row.memory, start, reformatted.end,
                                                        reformatted.byteList);
        EXPECT_EQ(reformatted.ok() ? encoded.frame : reformatted.refusal, row.out) << row.text;
    }
    EXPECT_EQ(protocol::eepromWriteFrame(Eeprom::External, {"Start Address", "x"}, 5, "]").refusal,
              badStart);
}

protocol::CornerReading corners(const char *x1, const char *x2, const char *y1, const char *y2)
{
    return protocol::readCorners({"Start at X1", x1}, {"End at X2", x2}, {"Start at Y1", y1},
                                 {"End at Y2", y2});
}

TEST(LcdFrames, CornersAsHexFieldsXBeforeY)
{
    EXPECT_EQ(protocol::lcdReadFrame(corners("000", "127", "00", "7")).frame, "]n]007f0007");
    EXPECT_EQ(protocol::lcdReadFrame(corners("10", "20", "1", "2")).frame, "]n]0a140102");
    EXPECT_EQ(protocol::lcdReadFrame(corners("300", "301", "0", "0")).frame, "]n]12c12d0000");
    EXPECT_EQ(protocol::lcdWriteFrame(corners("000", "000", "00", "00"), "]ff").frame,
              "]m]00000000]ff");
    EXPECT_EQ(protocol::lcdReadFrame(corners("0", "1", "", "0")).refusal,
              "Start at Y1 needs a whole number from 0 up");
    EXPECT_EQ(protocol::lcdWriteFrame(corners("0", "x", "0", "0"), "").refusal,
              "End at X2 needs a whole number from 0 up");
}

TEST(LcdFrames, ReformatChecksInOrderAndCountsBoth)
{
    const std::string sizes = "Sum of X,Y bytes do not equal the text bytes";
    const struct
    {
        const char *text;
        protocol::CornerReading corners;
        std::string out;    // the byte list, or the refusal
        const char *counts; // rectangle and text, once counted
    } rows[] = {
            {"ff", corners("000", "000", "00", "00"), "]ff", "00010001"},
            {"a1 b2\r\n", corners("0", "1", "0", "0"), "]a1]b2", "00020002"},
            {"a1b2c3", corners("0", "1", "0", "0"), sizes, "00020003"},
            {"000000000000", corners("5", "10", "2", "3"), sizes, "00120006"}, // 5 to 10 is a range
            {"00", corners("10", "9", "0", "0"), "Entry Error! Check X1,Y1 and X2,Y2 values", ""},
            {"00", corners("0", "0", "0", "y"), "End at Y2 needs a whole number from 0 up", ""},
            {"abc", corners("10", "9", "0", "0"), notPairs, ""},
            {" \r\n", corners("10", "9", "0", "0"), "Nothing to format!", ""},
            {"zz", corners("10", "9", "0", "0"), notHex, ""},
    };
    for (const auto &row : rows) {
        const auto reformatted = protocol::reformatForLcd(row.text, row.corners);
        EXPECT_EQ(reformatted.ok() ? reformatted.byteList : reformatted.refusal, row.out);
        EXPECT_EQ(reformatted.rectangleCount + reformatted.textCount, row.counts) << row.text;
    }
}

} // namespace
