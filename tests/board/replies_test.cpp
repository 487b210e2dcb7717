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
