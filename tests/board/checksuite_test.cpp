// The board check's suite and the deliberately wrong drawing that proves the check finds faults.
#include "board/checksuite.h"
#include "board/framereader.h"
#include "boardharness.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(CheckSuite, GivesEveryCommandWorkAndTheFirmwareTakesEveryFrame)
{
    std::set<char> used;
    board::ReferenceBoard reference;
    for (const auto &group : board::checkSuite()) {
        for (const auto &frame : group.frames) {
            used.insert(frame.at(1));
            EXPECT_TRUE(reference.answer(frame).ends_with("Ready:\r"))
                    << group.name << ": " << frame;
        }
    }
    for (const auto &frame : board::pacingSequence())
        EXPECT_TRUE(reference.answer(frame).ends_with("Ready:\r")) << frame;
    for (const auto &shape : board::commandShapes())
        EXPECT_TRUE(used.contains(shape.letter)) << shape.letter;
}

TEST(CheckSuite, ScratchRangesAreTheLastBytesOfEachEeprom)
{
    const auto ranges = board::scratchRanges();
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[0].readFrame(), "]a]7ffc7fff");
    EXPECT_EQ(ranges[1].writeFrame({1, 2, 3, 0xff}), "]w]00fc00ff]01]02]03]ff]");
}

TEST(Misdrawn, OnlyTheChosenCommandLandsThreePixelsRight)
{
    boardtest::Harness harness;
    harness.firmware.commands().setMisdrawn('l');
    EXPECT_EQ(harness.sendOnBlank("]l]10140505"), "Ready:\r");
    EXPECT_EQ(harness.row(5, 15, 24), "....#####.");
    harness.send("]d]0000");
    EXPECT_TRUE(harness.pixel(0, 0));
}

} // namespace
