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
    // On a lit display, the command that cut the list must have darkened (100, 50).
    const struct
    {
        const char *frames;
        bool cutterSeen;
    } rows[] = {
            {"]m]00010000]a1]k", true},
            {"]o]00000002]12]k", true},
            {"]m]00010000]a1]c]402014", false},
            {"]m]00010000]a1]e]6432", true},
            {"]o]00100013]12]ab]34]]k", true}, // a list shorter than its range, closed by "]"
            {"]w]00000003]12]ab]]e]6432", true},
            {"]m]00010000]a1]3]k", true}, // a byte of one digit
    };
    for (const auto &row : rows) {
        Harness board;
        board.send("]f]1");
        const std::string reply = board.send(row.frames);
        EXPECT_EQ(reply.find("Error: frame cut short"), 0u) << row.frames << ": " << reply;
        EXPECT_TRUE(reply.ends_with("\rReady:\r")) << row.frames << ": " << reply;
        if (row.cutterSeen) {
            EXPECT_FALSE(board.pixel(100, 50)) << row.frames;
        }
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

TEST(Grammar, ARefusedCharacterFrameTakesItsOwnCharacterAlong)
{
    // A position above 255 arrives as three digits; the character must not start a command.
    for (const char *frame :
         {"]p]12c0a]k", "]p]12c0a]d", "]p]0a12c]A", "]p]12c12c]]", "]p]12c0a]", "]p]1000000a]p"}) {
        Harness board;
        board.send("]f]1");
        const std::string reply = board.send(std::string(frame) + "]e]0102");
        EXPECT_TRUE(reply.starts_with("Error: expected ]: ]p]")) << frame << ": " << reply;
        EXPECT_TRUE(reply.ends_with("\rReady:\r")) << frame << ": " << reply;
        EXPECT_EQ(count(reply, "\r"), 2) << frame << ": " << reply;
        EXPECT_FALSE(board.pixel(1, 2)) << frame;   // toggled off
        EXPECT_TRUE(board.pixel(100, 50)) << frame; // nothing cleared
    }
}

TEST(Grammar, AStepKeepsAnyNumberOfDecimalsAndLeadingZeros)
{
    const struct
    {
        const char *frame, *same;
    } rows[] = {
            {"]r]007f003f]1.33333333333333000000]0000", "]r]007f003f]1.33333333333333]0000"},
            {"]f]2.50000000000", "]f]2.5"},
            {"]x]107438]00000010", "]x]107438]10"},
            {"]f]0004", "]f]4"},
    };
    for (const auto &row : rows) {
        Harness board;
        Harness reference;
        EXPECT_EQ(board.sendOnBlank(row.frame), "Ready:\r") << row.frame;
        reference.sendOnBlank(row.same);
        EXPECT_GT(board.litPixels(), 0) << row.frame;
        EXPECT_EQ(board.firmware.lcd().memory(), reference.firmware.lcd().memory()) << row.frame;
    }
    for (const char *frame : {"]f]1000", "]f]256", "]f]0.5", "]f]00000000000"}) {
        Harness board;
        EXPECT_TRUE(board.send(frame).starts_with("Error: a step runs from 1 to 255")) << frame;
    }
}

TEST(Grammar, AMissingCharacterIsDrawnAsABlankCell)
{
    Harness board;
    board.send("]f]1");
    EXPECT_EQ(board.send("]p]0000]"), "Ready:\r");
    EXPECT_EQ(board.row(0, 0, 6), "......#");
}

} // namespace

namespace {

// A person at a terminal: one key at a time, `between` apart.
std::string typeSlowly(board::Firmware &firmware, std::string_view keys, board::Micros between,
                       board::Micros *now)
{
    std::string replies;
    for (const char key : keys) {
        firmware.receive(std::string(1, key), *now);
        *now += between;
        firmware.advance(*now);
        replies += firmware.takeOutput(*now);
    }
    *now += board::Micros{5'000'000};
    firmware.advance(*now);
    return replies + firmware.takeOutput(*now);
}

TEST(Grammar, TypedFramesAreNotCutBetweenKeys)
{
    using namespace std::chrono_literals;
    const struct
    {
        const char *keys;
        std::chrono::milliseconds between;
        const char *same; // sent at once, the frame that must draw the same
        const char *reply;
    } rows[] = {
            {"]x]107438]10\r", 150ms, "]x]107438]10", "Ready:\r"},
            {"]x]107438]10", 400ms, "]x]107438]10", "Ready:\r"}, // no Enter, a slow typist
            {"]f]12\r", 250ms, "]f]12", "Ready:\r"},
            {"]r]007f003f]2.5]0000\r", 200ms, "]r]007f003f]2.5]0000", "Ready:\r"},
            {"]p]0a0a]A\r", 300ms, "]p]0a0a]A", "Ready:\r"},
            {"]c]12c2014\r", 200ms, "]k",
             "Error: more characters than the command takes: "
             "]c]12c2014\r"},
    };
    for (const auto &row : rows) {
        board::Firmware typed;
        board::Micros now{0};
        typed.receive("]k", now);
        now += board::Micros{1'000'000};
        typed.advance(now);
        (void)typed.takeOutput(now);
        EXPECT_EQ(typeSlowly(typed, row.keys, row.between, &now), row.reply) << row.keys;

        Harness sent;
        sent.sendOnBlank(row.same);
        EXPECT_EQ(typed.lcd().memory(), sent.firmware.lcd().memory()) << row.keys;
    }
}

TEST(Grammar, AFrameSentByAProgramIsAnsweredSoonAfterItsLastCharacter)
{
    using namespace std::chrono_literals;
    // Sketra pauses before every "]": 20 ms by default, 5 ms after an LCD write, 200 ms after
    // an EEPROM reformat. The last frame of a click has nothing after it to end it.
    const struct
    {
        const char *frame;
        std::chrono::milliseconds pause, answeredWithin;
    } rows[] = {
            {"]c]402014", 20ms, 30ms},    {"]x]107438]10", 20ms, 30ms}, {"]n]00000000", 5ms, 30ms},
            {"]a]00100013", 200ms, 30ms}, {"]p]0a0a]", 20ms, 100ms},    {"]p]0a0a]", 5ms, 30ms},
            {"]p]0a0a]", 200ms, 1100ms},
    };
    for (const auto &row : rows) {
        board::Firmware firmware;
        board::Micros now{10'000'000};
        for (const char c : std::string_view(row.frame)) {
            if (c == ']')
                now += row.pause;
            firmware.receive(std::string(1, c), now);
            firmware.advance(now);
        }
        now += row.answeredWithin;
        firmware.advance(now);
        EXPECT_TRUE(firmware.takeOutput(now).ends_with("Ready:\r"))
                << row.frame << " paced " << row.pause.count() << " ms";
    }
}

} // namespace
