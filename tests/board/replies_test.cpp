// What the board answers: reads give back exactly what was written, in the order Sketra expects.
#include "boardharness.h"

#include <gtest/gtest.h>

using boardtest::Harness;

namespace {

// The write pages turn pasted hex pairs into "]hh" items: the EEPROM list closes with "]".
std::string byteList(const std::string &pairs)
{
    std::string list;
    for (std::size_t i = 0; i + 1 < pairs.size(); i += 2)
        list += "]" + pairs.substr(i, 2);
    return list;
}

std::string withoutReady(std::string reply)
{
    EXPECT_TRUE(reply.ends_with("Ready:\r")) << reply;
    reply.resize(reply.size() - 7);
    return reply;
}

TEST(Replies, EepromsStartErased)
{
    Harness board;
    EXPECT_EQ(board.send("]a]00100013"), "ffffffffReady:\r");
    EXPECT_EQ(board.send("]g]00fe00ff"), "ffffReady:\r");
}

TEST(Replies, EepromReadsGiveBackWhatWasWrittenAndPasteBackUnchanged)
{
    const struct
    {
        char write, read;
        const char *first, *last;
    } rows[] = {
            {'o', 'a', "0010", "0012"},
            {'o', 'a', "7ffd", "7fff"},
            {'w', 'g', "0000", "0002"},
            {'w', 'g', "00fd", "00ff"},
    };
    for (const auto &row : rows) {
        Harness board;
        const std::string range = std::string(row.first) + row.last;
        EXPECT_EQ(board.send(std::string("]") + row.write + "]" + range + "]12]AB]c3]"),
                  "Ready:\r");
        const std::string read
                = withoutReady(board.send(std::string("]") + row.read + "]" + range));
        EXPECT_EQ(read, "12abc3") << range;
        // Pasted into the write page, reformatted and written again: the same bytes.
        board.send(std::string("]") + row.write + "]" + range + byteList(read) + "]");
        EXPECT_EQ(withoutReady(board.send(std::string("]") + row.read + "]" + range)), read);
    }
}

TEST(Replies, TheTwoEepromsAreSeparate)
{
    Harness board;
    board.send("]o]00000000]42]");
    EXPECT_EQ(board.send("]g]00000000"), "ffReady:\r");
    EXPECT_EQ(board.send("]a]00000000"), "42Ready:\r");
}

TEST(Replies, OutOfRangeAddressesAreRefusedAndWriteNothing)
{
    Harness board;
    EXPECT_TRUE(board.send("]w]00ff0100]01]02]").starts_with("Error: address out of range"));
    EXPECT_EQ(board.send("]g]00ff00ff"), "ffReady:\r");
    EXPECT_TRUE(board.send("]a]7fff8000").starts_with("Error: address out of range"));
}

TEST(Replies, AByteListLongerThanItsRangeIsRefusedNamingItsFrame)
{
    const struct
    {
        const char *frames;
        const char *reply;
        const char *external; // what the external EEPROM then holds at 0011 and 0012
    } rows[] = {
            // Nothing of an EEPROM write is kept: its bytes go nowhere until the list has ended.
            {"]o]00110012]12]ab]34]",
             "Error: more bytes than the address range holds: ]o]00110012]12]ab]3\r", "ffff"},
            {"]w]00000000]12]34]",
             "Error: more bytes than the address range holds: ]w]00000000]12]3\r", "ffff"},
            {"]o]00110012]12]ab]]k", "Ready:\rReady:\r", "12ab"}, // exact, then the next command
            // An LCD write is on the display once its last byte is in; what follows is named.
            {"]m]00000000]a1]b2",
             "Ready:\rError: more bytes than the rectangle holds: ]m]00000000]a1]b2\r", "ffff"},
            {"]m]00000000]a1]32",
             "Ready:\rError: more bytes than the rectangle holds: ]m]00000000]a1]3\r", "ffff"},
            {"]m]00000000]a1]b]14381419]1", "Ready:\rReady:\r", "ffff"}, // the next command, a bar
            {"]m]00000000]a1]k", "Ready:\rReady:\r", "ffff"},
    };
    for (const auto &row : rows) {
        Harness board;
        EXPECT_EQ(board.send(row.frames), row.reply) << row.frames;
        EXPECT_EQ(board.send("]a]00110012"), std::string(row.external) + "Ready:\r") << row.frames;
        EXPECT_EQ(board.send("]g]00000001"), "ffffReady:\r") << row.frames;
        EXPECT_EQ(board.send("]d]0102"), "Ready:\r") << row.frames;
    }
}

TEST(Replies, LcdReadOfTheWholeDisplayIs1024BytesColumnByColumn)
{
    Harness board;
    board.sendOnBlank("]u]000001"); // x 0, page 0
    board.send("]u]000802");        // x 0, page 1
    board.send("]u]010003");        // x 1, page 0
    board.send("]u]7f3880");        // x 127, page 7
    const std::string read = withoutReady(board.send("]n]007f0007"));
    ASSERT_EQ(read.size(), 2048u);
    EXPECT_EQ(read.substr(0, 6), "010200");
    EXPECT_EQ(read.substr(16, 2), "03") << "x 1 follows all eight pages of x 0";
    EXPECT_EQ(read.substr(2046), "80");
}

TEST(Replies, LcdWritesComeBackFromTheSameRectangle)
{
    const char *const rectangles[] = {"00010000", "3e410607", "007f0000", "40400007"};
    for (const char *rectangle : rectangles) {
        Harness board;
        const int x1 = std::stoi(std::string(rectangle, 2), nullptr, 16);
        const int x2 = std::stoi(std::string(rectangle + 2, 2), nullptr, 16);
        const int y1 = std::stoi(std::string(rectangle + 4, 2), nullptr, 16);
        const int y2 = std::stoi(std::string(rectangle + 6, 2), nullptr, 16);
        std::string pairs;
        for (int i = 0; i < (x2 - x1 + 1) * (y2 - y1 + 1); ++i)
            pairs += "0123456789abcdef"[i % 16] + std::string(1, "fedcba9876543210"[i % 7]);
        EXPECT_EQ(board.send(std::string("]m]") + rectangle + byteList(pairs)), "Ready:\r");
        EXPECT_EQ(withoutReady(board.send(std::string("]n]") + rectangle)), pairs) << rectangle;
    }
}

TEST(Replies, LcdWriteLandsWhereTheReadFindsIt)
{
    Harness board;
    board.sendOnBlank("]m]3f400001]ff]01]80]00");
    EXPECT_EQ(board.column(63, 0, 15), "#########.......");
    EXPECT_EQ(board.column(64, 0, 15), ".......#........");
}

} // namespace

namespace {

// The receive window shows each carriage return as CR LF; a read page takes the window's text
// and drops the eight-character trailer when the fourth and third characters from its end are
// "y:".
std::string collectedByReadPage(const std::string &reply)
{
    std::string window;
    for (const char c : reply) {
        if (c == '\n')
            continue;
        window += c;
        if (c == '\r')
            window += '\n';
    }
    if (window.size() >= 8 && window.compare(window.size() - 4, 2, "y:") == 0)
        window.resize(window.size() - 8);
    return window;
}

// "Reformat" of the write pages: "]" before every pair, and for the EEPROM one more at the end.
std::string reformatted(const std::string &text, bool closed)
{
    std::string list;
    for (std::size_t i = 0; i < text.size(); i += 2)
        list += "]" + text.substr(i, 2);
    return closed ? list + "]" : list;
}

TEST(Replies, WhatTheReadPagesCollectWritesBackTheSameBytesOnAnotherBoard)
{
    const struct
    {
        const char *read, *write;
        bool closed;
    } rows[] = {
            {"]n]007f0007", "]m]007f0007", false}, // the whole display: the power-on logo
            {"]n]3c430306", "]m]3c430306", false}, // across the controllers
            {"]n]00000000", "]m]00000000", false}, {"]a]0FFF1000", "]o]0FFF1000", true},
            {"]a]00007FFF", "]o]00007FFF", true}, // the whole external EEPROM
            {"]g]000000FF", "]w]000000FF", true},
    };
    for (const auto &row : rows) {
        Harness source;
        // Something other than the erased state to carry over.
        source.send("]o]0FFE1001]00]5a]a5]3c]");
        source.send("]o]7FFE7FFF]12]34]");
        source.send("]w]00000002]de]ad]be]");
        source.send("]c]402014");
        const std::string text = collectedByReadPage(source.send(row.read));
        ASSERT_EQ(text.find_first_not_of("0123456789abcdef"), std::string::npos)
                << row.read << ": " << text.substr(0, 80);

        Harness target;
        target.send("]k");
        EXPECT_EQ(target.send(row.write + reformatted(text, row.closed)), "Ready:\r") << row.write;
        EXPECT_EQ(collectedByReadPage(target.send(row.read)), text) << row.read;
    }
}

} // namespace
