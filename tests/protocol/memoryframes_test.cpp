#include "protocol/memoryframes.h"

#include <gtest/gtest.h>

namespace {

using protocol::Eeprom;
using protocol::Entry;

const std::string notHex = "Only hex digits 0-9 and a-f allowed -- recheck entries";
const std::string notPairs = "Hex characters must be in pairs -- recheck entries";

TEST(FourDigitForm, PadsToFourDigitsAndCutsNothing)
{
    const struct
    {
        std::int64_t in;
        const char *out;
    } rows[] = {{0, "0000"}, {12, "0012"}, {4095, "4095"}, {12345, "12345"}, {-1, "-0001"}};
    for (const auto &row : rows)
        EXPECT_EQ(protocol::fourDigitForm(row.in), row.out) << row.in;
}

TEST(FourDigitForm, ABoxLeftRewritesWholeNumbersOnly)
{
    const struct
    {
        const char *typed;
        const char *shown;
    } rows[] = {
            {"12", "0012"}, {"0016", "0016"},   {" 7 ", "0007"}, {"12.5", "0012"}, {"13.5", "0014"},
            {"", ""},       {"12abc", "12abc"}, {"-5", "-5"},    {"abc", "abc"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::fourDigitRewrite(row.typed), row.shown) << '"' << row.typed << '"';
}

TEST(FourDigitForm, EndAddressIsStartPlusNumberLessOneReadLeniently)
{
    const struct
    {
        const char *start;
        const char *number;
        const char *end;
    } rows[] = {
            {"0016", "0004", "0019"}, {"4095", "0002", "4096"}, {"0000", "0000", "-0001"},
            {"12abc", "2", "0013"},   {"", "", "-0001"},        {"9e99", "1", "1000000000000000"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::endAddressCaption(row.start, row.number), row.end)
                << row.start << " + " << row.number;
}

TEST(AddressField, FourUpperCaseHexDigitsNeverCut)
{
    EXPECT_EQ(protocol::addressField(0), "0000");
    EXPECT_EQ(protocol::addressField(16), "0010");
    EXPECT_EQ(protocol::addressField(4095), "0FFF");
    EXPECT_EQ(protocol::addressField(70000), "11170");
}

TEST(ReplyTrailer, DroppedWhenTheFourthAndThirdFromTheEndReadYColon)
{
    const struct
    {
        const char *reply;
        const char *kept;
    } rows[] = {
            {"12ab34Ready:\r\n", "12ab34"},
            {"Ready:\r\n", ""},
            {"12ab34xxxxy:ab", "12ab34"}, // only the two characters decide
            {"12ab34Ready!\r\n", "12ab34Ready!\r\n"},
            {"Waiting.....", "Waiting....."},
            {"dy:ab", "dy:ab"}, // shorter than the trailer: kept whole
            {"y:\r\n", "y:\r\n"},
            {"", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(protocol::withoutTrailer(row.reply), row.kept) << row.reply;
}

TEST(EepromReadFrame, StartAndShownEndAsFourUpperCaseHexDigits)
{
    const struct
    {
        Eeprom memory;
        const char *start;
        const char *count;
        const char *end;
        const char *frame;
    } rows[] = {
            {Eeprom::External, "0016", "0004", "0019", "]a]00100013"},
            {Eeprom::Internal, "0016", "0004", "0019", "]g]00100013"},
            {Eeprom::External, "4095", "0002", "4096", "]a]0FFF1000"},
            {Eeprom::External, "0000", "0001", "0000", "]a]00000000"},
    };
    for (const auto &row : rows) {
        const auto encoded = protocol::eepromReadFrame(row.memory, {"Address", row.start},
                                                       {"Number", row.count}, row.end);
        EXPECT_EQ(encoded.frame, row.frame);
        EXPECT_TRUE(encoded.ok()) << encoded.refusal;
    }
}

TEST(EepromReadFrame, NoMeaninglessRangeIsSent)
{
    const std::string badCount = "Number needs a whole number from 1 to 9999";
    const struct
    {
        const char *start;
        const char *count;
        const char *end;
        std::string refusal;
    } rows[] = {
            {"0000", "0000", "-0001", badCount}, // the end below the start
            {"0016", "0000", "0015", badCount},
            {"0016", "12abc", "0027", badCount},
            {"0016", "10000", "10015", badCount},
            {"", "0004", "0003", "Address needs a whole number from 0 up"},
            {"abc", "0004", "0003", "Address needs a whole number from 0 up"},
    };
    for (const auto &row : rows) {
        const auto encoded = protocol::eepromReadFrame(Eeprom::External, {"Address", row.start},
                                                       {"Number", row.count}, row.end);
        EXPECT_EQ(encoded.refusal, row.refusal) << row.start << ", " << row.count;
        EXPECT_TRUE(encoded.frame.empty());
    }
}

TEST(EepromWrite, ReformatGivesEndAddressAndByteListForTheFrame)
{
    const struct
    {
        Eeprom memory;
        const char *start;
        const char *text;
        std::uint64_t end;
        const char *frame;
    } rows[] = {
            {Eeprom::External, "0016", "12ab34", 18, "]o]00100012]12]ab]34]"},
            {Eeprom::Internal, "0016", "12ab34", 18, "]w]00100012]12]ab]34]"},
            {Eeprom::External, "4095", "0102", 4096, "]o]0FFF1000]01]02]"},
            {Eeprom::External, "0000", " 12 AB\r\n34 \r\n", 2, "]o]00000002]12]AB]34]"},
    };
    for (const auto &row : rows) {
        const Entry start{"Start Address", row.start};
        const auto reformatted = protocol::reformatForEeprom(row.text, start);
        ASSERT_TRUE(reformatted.ok()) << reformatted.refusal;
        EXPECT_EQ(reformatted.end, row.end) << row.text;
        EXPECT_EQ(
                protocol::eepromWriteFrame(row.memory, start, reformatted.end, reformatted.byteList)
                        .frame,
                row.frame);
    }
}

TEST(EepromWrite, ReformatRefusesInThisOrder)
{
    const struct
    {
        const char *start;
        const char *text;
        std::string refusal;
    } rows[] = {
            {"abc", "12 x", notHex},     // letters beyond f before anything else
            {"abc", "1", notPairs},      // then whole pairs
            {"0016", "1 2 3", notPairs}, // blanks inside are layout, not half a byte
            {"0016", "  \r\n", "Nothing to write!"},
            {"", "12", "Start Address needs a whole number from 0 up"},
            {"-3", "12", "Start Address needs a whole number from 0 up"},
    };
    for (const auto &row : rows) {
        const auto reformatted
                = protocol::reformatForEeprom(row.text, {"Start Address", row.start});
        EXPECT_EQ(reformatted.refusal, row.refusal) << '"' << row.text << '"';
        EXPECT_TRUE(reformatted.byteList.empty());
    }
}

TEST(EepromWrite, FrameRefusesAStartThatIsNotANumber)
{
    const auto encoded
            = protocol::eepromWriteFrame(Eeprom::External, {"Start Address", "x"}, 5, "]12]");
    EXPECT_EQ(encoded.refusal, "Start Address needs a whole number from 0 up");
}

protocol::Corners corners(const char *x1, const char *x2, const char *y1, const char *y2)
{
    return {{"Start at X1", x1}, {"End at X2", x2}, {"Start at Y1", y1}, {"End at Y2", y2}};
}

TEST(LcdFrames, CornersAsLowerCaseHexFieldsXBeforeY)
{
    const struct
    {
        protocol::Corners corners;
        const char *text;
        const char *read;
        const char *write;
    } rows[] = {
            {corners("000", "127", "00", "7"), "", "]n]007f0007", "]m]007f0007"},
            {corners("10", "20", "1", "2"), "]a1", "]n]0a140102", "]m]0a140102]a1"},
            {corners("000", "000", "00", "00"), "]ff", "]n]00000000", "]m]00000000]ff"},
            {corners("0", "1", "0", "0"), "]a1]b2", "]n]00010000", "]m]00010000]a1]b2"},
            {corners("300", "301", "0", "0"), "", "]n]12c12d0000", "]m]12c12d0000"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(protocol::lcdReadFrame(row.corners).frame, row.read);
        EXPECT_EQ(protocol::lcdWriteFrame(row.corners, row.text).frame, row.write);
    }
}

TEST(LcdFrames, ACornerThatIsNotANumberIsNamed)
{
    const struct
    {
        protocol::Corners corners;
        const char *named;
    } rows[] = {
            {corners("", "1", "0", "0"), "Start at X1"},
            {corners("0", "x", "0", "0"), "End at X2"},
            {corners("0", "1", "-1", "0"), "Start at Y1"},
            {corners("0", "1", "0", "1.5x"), "End at Y2"},
    };
    for (const auto &row : rows) {
        const std::string refusal = std::string(row.named) + " needs a whole number from 0 up";
        EXPECT_EQ(protocol::lcdReadFrame(row.corners).refusal, refusal);
        EXPECT_EQ(protocol::lcdWriteFrame(row.corners, "]ff").refusal, refusal);
        EXPECT_EQ(protocol::reformatForLcd("ff", row.corners).refusal, refusal);
    }
}

TEST(LcdReformat, RectangleCountBothEndsIncluded)
{
    EXPECT_EQ(protocol::rectangleBytes(0, 0, 0, 0), 1u);
    EXPECT_EQ(protocol::rectangleBytes(0, 127, 0, 7), 1024u);
    EXPECT_EQ(protocol::rectangleBytes(5, 10, 2, 3), 12u);
    EXPECT_EQ(protocol::rectangleBytes(10, 9, 0, 0), 0u);
    EXPECT_EQ(protocol::rectangleBytes(0, 0, 3, 2), 0u);
}

TEST(LcdReformat, ChecksInOrderAndCountsBoth)
{
    const std::string order = "Entry Error! Check X1,Y1 and X2,Y2 values";
    const std::string sizes = "Sum of X,Y bytes do not equal the text bytes";
    const struct
    {
        const char *text;
        protocol::Corners corners;
        std::string refusal;
        const char *rectangleCount; // "" when not counted
        const char *textCount;
        const char *byteList;
    } rows[] = {
            {"ff", corners("000", "000", "00", "00"), "", "0001", "0001", "]ff"},
            {"a1 b2\r\n", corners("0", "1", "0", "0"), "", "0002", "0002", "]a1]b2"},
            {"a1b2c3", corners("0", "1", "0", "0"), sizes, "0002", "0003", ""},
            // Compared as numbers: 5 to 10 is a rectangle, 10 to 9 is not.
            {"000000000000", corners("5", "10", "2", "3"), sizes, "0012", "0006", ""},
            {"00", corners("10", "9", "0", "0"), order, "", "", ""},
            {"00", corners("0", "0", "1", "0"), order, "", "", ""},
            {"zz", corners("10", "9", "0", "0"), notHex, "", "", ""},
            {" \r\n ", corners("10", "9", "0", "0"), "Nothing to format!", "", "", ""},
            {"abc", corners("10", "9", "0", "0"), notPairs, "", "", ""},
    };
    for (const auto &row : rows) {
        const auto reformatted = protocol::reformatForLcd(row.text, row.corners);
        EXPECT_EQ(reformatted.refusal, row.refusal) << row.text;
        EXPECT_EQ(reformatted.rectangleCount, row.rectangleCount) << row.text;
        EXPECT_EQ(reformatted.textCount, row.textCount) << row.text;
        EXPECT_EQ(reformatted.byteList, row.byteList) << row.text;
    }
}

} // namespace
