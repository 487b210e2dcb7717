// The frames Sketra sends, the ones it can get wrong, and how the reader finds the next one.
#include "boardharness.h"

#include <gtest/gtest.h>

using boardtest::count;
using boardtest::Harness;

namespace {

const char *const everyFrameSketraSends[] = {
        "]c]402014",
        "]s]402014",
        "]q]402014",
        "]t]402014",
        "]r]007f003f]1]0000",
        "]r]007f003f]2.5]0000",
        "]r]0a141e28]3]0101",
        "]l]007f0028",
        "]l]0a0a0a32",
        "]b]14381419]1",
        "]b]646c0a32]5",
        "]x]107438]4",
        "]x]107438]10",
        "]y]0a3810]4",
        "]d]4020",
        "]e]4020",
        "]u]0a0a7c",
        "]p]0a0a]A",
        "]p]0a0a]",
        "]f]1",
        "]f]9",
        "]k",
        "]h]0120]A];]K]O]R]V]E]L];]D]E]M]O];]B]Y];]V]E]N]D]R]I]X]@",
        "]v]4000]V]E]N]D]R]I]X]1]@",
        "]h]0A20]@",
        "]i]00400a14]2",
        "]j]00400a14]3",
        "]o]00100012]12]ab]34]",
        "]w]00000001]AB]cd]",
        "]m]00010000]a1]b2",
        "]m]00000000]ff",
        "]a]00100013",
        "]g]00000000",
        "]n]007f0007",
        "]n]0a140102",
};

TEST(Grammar, EveryFrameSketraSendsIsCarriedOutAndAnsweredReady)
{
    for (const char *frame : everyFrameSketraSends) {
        Harness board;
        const std::string reply = board.send(frame);
        EXPECT_EQ(count(reply, "Ready:\r"), 1) << frame << " -> " << reply;
        EXPECT_TRUE(reply.ends_with("Ready:\r")) << frame << " -> " << reply;
        EXPECT_EQ(reply.find("Error"), std::string::npos) << frame << " -> " << reply;
    }
}

TEST(Grammar, FramesSentBackToBackDrawWhatTheyDrawWhenSentOneByOne)
{
    // With a transmit delay of 0 no pause separates the frames: each must still end exactly.
    Harness paced;
    Harness burst;
    std::string all;
    for (const char *frame : everyFrameSketraSends) {
        paced.send(frame);
        all += frame;
    }
    const std::string replies = burst.send(all);
    EXPECT_EQ(count(replies, "Ready:\r"), static_cast<int>(std::size(everyFrameSketraSends)));
    EXPECT_EQ(replies.find("Error"), std::string::npos) << replies;
    EXPECT_EQ(burst.firmware.lcd().memory(), paced.firmware.lcd().memory());
}

TEST(Grammar, AMalformedFrameGetsOneErrorLineAndTheNextCommandStillWorks)
{
    const struct
    {
        const char *frame;
        const char *why;
    } rows[] = {
            {"]c]12c2014", "a three-digit field"},
            {"]z]0000", "an unknown letter"},
            {"]C]402014", "an upper-case letter"},
            {"]c402014", "no ] after the letter"},
            {"]c]40", "a field cut short by the next command"},
            {"]c]4g2014", "a field that is not hex"},
            {"]f]0", "a step of 0"},
            {"]f]x", "a step that is not a number"},
            {"]r]007f003f]2.]0000", "a step ending in a point"},
            {"]x]107438]", "a tick spacing that never came"},
            {"]a]00108000", "an external EEPROM address past 7FFF"},
            {"]g]00000100", "an internal EEPROM address past FF"},
            {"]a]00200010", "an EEPROM range that runs backwards"},
            {"]n]7f000007", "LCD corners in the wrong order"},
            {"]m]00010000]a1]zz", "a byte that is not hex"},
            {"]o]0FFF10000]12]ab]34]", "a five-digit end address with its byte list"},
            {"]h]12C20]A]B]@", "a three-digit string position with its characters"},
    };
    for (const auto &row : rows) {
        Harness board;
        const std::string reply = board.sendOnBlank(std::string(row.frame) + "]d]0102");
        EXPECT_TRUE(reply.starts_with("Error: ")) << row.why << ": " << reply;
        EXPECT_EQ(count(reply, "Error"), 1) << row.why << ": " << reply;
        EXPECT_EQ(count(reply, "\r"), 2) << row.why << ": " << reply;
        EXPECT_TRUE(board.pixel(1, 2)) << row.why;
    }
}

TEST(Grammar, AByteListCutShortGivesWayToTheCommandThatCutIt)
{
    const char *const rows[] = {"]m]00010000]a1]k", "]o]00000002]12]k", "]m]00010000]a1]c]402014"};
    for (const char *frames : rows) {
        Harness board;
        board.send("]f]1");
        const std::string reply = board.send(frames);
        EXPECT_EQ(reply.find("Error: frame cut short"), 0u) << frames << ": " << reply;
        EXPECT_TRUE(reply.ends_with("\rReady:\r")) << frames << ": " << reply;
    }
}

TEST(Grammar, AFrameEndsAtACarriageReturnOrLineFeedWithoutWaiting)
{
    for (const char *frame : {"]d]0102\r", "]d]0102\n", "]x]107438]4\r\n"}) {
        board::Firmware firmware;
        firmware.receive(frame, board::Micros{0});
        EXPECT_EQ(firmware.takeOutput(board::Micros{0}), "Ready:\r") << frame;
    }
}

TEST(Grammar, AFieldCutShortByTheEndOfTheLineIsAnError)
{
    Harness board;
    EXPECT_EQ(board.send("]c]40\r"), "Error: frame cut short: ]c]40\r");
}

TEST(Grammar, AnUnfinishedFrameIsGivenUpWhenTheLineStaysQuiet)
{
    board::Firmware firmware;
    firmware.receive("]c]4020", board::Micros{0});
    firmware.advance(board::Micros{2'900'000});
    EXPECT_EQ(firmware.takeOutput(board::Micros{2'900'000}), "");
    firmware.advance(board::Firmware::abandonAfter);
    EXPECT_EQ(firmware.takeOutput(board::Firmware::abandonAfter),
              "Error: frame cut short: ]c]4020\r");
}

TEST(Grammar, TextOutsideFramesIsIgnored)
{
    Harness board;
    EXPECT_EQ(board.send("hello\r\n]d]0102"), "Ready:\r");
}

TEST(Grammar, AMissingCharacterIsDrawnAsABlankCell)
{
    Harness board;
    board.send("]f]1");
    EXPECT_EQ(board.send("]p]0000]"), "Ready:\r");
    EXPECT_EQ(board.row(0, 0, 6), "......#");
}

} // namespace
