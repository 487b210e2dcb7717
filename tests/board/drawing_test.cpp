// What each drawing command lights, read back from the display memory.
#include "boardharness.h"

#include "board/drawing.h"
#include "board/font.h"

#include <gtest/gtest.h>

#include <cstdlib>

using boardtest::Harness;

namespace {

TEST(Drawing, ThePowerOnScreenShowsTheLogo)
{
    Harness board;
    EXPECT_GT(board.litPixels(), 300);
    board.send("]k");
    EXPECT_EQ(board.litPixels(), 0);
}

TEST(Drawing, CircleHasItsFourExtremesAndAHollowCentre)
{
    Harness board;
    board.sendOnBlank("]c]402014");
    for (const auto &[x, y] : {std::pair{84, 32}, {44, 32}, {64, 12}, {64, 52}})
        EXPECT_TRUE(board.pixel(x, y)) << x << "," << y;
    EXPECT_FALSE(board.pixel(64, 32));
    EXPECT_FALSE(board.pixel(85, 32));
    EXPECT_FALSE(board.pixel(64, 11));
}

TEST(Drawing, ShapesCrossTheControllerAndPageBoundaries)
{
    const struct
    {
        const char *frame;
        std::pair<int, int> left, right;  // lit pixels on either side of x 63/64
        std::pair<int, int> above, below; // and of y 7/8
    } rows[] = {
            {"]c]3f0705", {58, 7}, {68, 7}, {63, 2}, {63, 12}},
            {"]s]400804", {60, 8}, {68, 8}, {64, 4}, {64, 12}},
            {"]l]3a460008", {58, 0}, {70, 8}, {58, 0}, {70, 8}},
    };
    for (const auto &row : rows) {
        Harness board;
        board.sendOnBlank(row.frame);
        for (const auto &[x, y] : {row.left, row.right, row.above, row.below})
            EXPECT_TRUE(board.pixel(x, y)) << row.frame << " at " << x << "," << y;
    }
}

TEST(Drawing, ShapesAtTheEdgesAreClippedNotWrapped)
{
    for (const char *frame : {"]c]000014", "]s]7f3f0a", "]q]00000a", "]t]7f000a", "]l]00ff00ff"}) {
        Harness board;
        EXPECT_EQ(board.sendOnBlank(frame), "Ready:\r") << frame;
        EXPECT_GT(board.litPixels(), 0) << frame;
    }
    Harness board;
    board.sendOnBlank("]c]000014");
    EXPECT_EQ(board.row(0, 100, 127), std::string(28, '.')) << "nothing came round the right";
    EXPECT_EQ(board.column(0, 40, 63), std::string(24, '.')) << "nor up from the bottom";
}

TEST(Drawing, RectangleOutlineIsSteppedFromTheCorner)
{
    const struct
    {
        const char *step;
        const char *topRow; // x 0 to 10
    } rows[] = {
            {"1", "###########"},
            {"2", "#.#.#.#.#.#"},
            {"3", "#..#..#..##"}, // the far corner belongs to the other edge
            {"2.5", "#.#..#.#..#"},
    };
    for (const auto &row : rows) {
        Harness board;
        board.sendOnBlank(std::string("]r]000a000a]") + row.step + "]0000");
        EXPECT_EQ(board.row(0, 0, 10), row.topRow) << row.step;
        EXPECT_EQ(board.column(0, 0, 10), row.topRow) << row.step;
        EXPECT_FALSE(board.pixel(5, 5)) << row.step;
    }
}

TEST(Drawing, RectangleFillAndClearFlags)
{
    Harness board;
    board.sendOnBlank("]r]0a140a14]1]0100");
    EXPECT_EQ(board.litPixels(), 11 * 11);
    board.send("]r]0c120c12]1]0101");
    EXPECT_EQ(board.litPixels(), 11 * 11 - 7 * 7);
    board.send("]r]0a140a14]1]0001");
    EXPECT_EQ(board.litPixels(), 11 * 11 - 7 * 7 - 40) << "clear alone darkens the outline";
}

TEST(Drawing, BarHasASolidOutlineAndADiagonalHatch)
{
    Harness board;
    board.sendOnBlank("]b]00060006]3");
    EXPECT_EQ(board.row(0, 0, 6), "#######");
    EXPECT_EQ(board.row(1, 0, 6), "#.#..##");
    EXPECT_EQ(board.row(2, 0, 6), "##..#.#");
    board.sendOnBlank("]b]00060006]1");
    EXPECT_EQ(board.litPixels(), 49);
}

TEST(Drawing, AxesCarryTicksFromTheOrigin)
{
    Harness board;
    board.sendOnBlank("]x]101c38]4");
    EXPECT_EQ(board.row(56, 15, 29), ".#############.");
    EXPECT_EQ(board.row(57, 15, 29), ".#...#...#...#.");
    EXPECT_EQ(board.row(58, 15, 29), ".#...#...#...#.");
    board.sendOnBlank("]y]0a1410]5");
    EXPECT_EQ(board.column(16, 9, 21), ".###########.");
    EXPECT_EQ(board.column(14, 9, 21), ".#....#....#.");
    EXPECT_EQ(board.column(15, 9, 21), ".#....#....#.");
}

TEST(Drawing, StepLinesRepeatOnEveryRowOrColumn)
{
    Harness board;
    board.sendOnBlank("]i]00060203]3");
    EXPECT_EQ(board.row(2, 0, 6), "#..#..#");
    EXPECT_EQ(board.row(3, 0, 6), "#..#..#");
    EXPECT_EQ(board.litPixels(), 6);
    board.sendOnBlank("]j]00010006]2");
    EXPECT_EQ(board.column(1, 0, 6), "#.#.#.#");
    EXPECT_EQ(board.litPixels(), 8);
}

TEST(Drawing, StarLinesAreDashedFromEachPoint)
{
    Harness board;
    board.sendOnBlank("]t]202014");
    // The same eight lines drawn solid: from each point to the inner corners at 5, 5 out.
    board::Lcd solid;
    for (const auto &[px, py] : {std::pair{32, 12}, {52, 32}, {32, 52}, {12, 32}}) {
        for (const auto &[cx, cy] : {std::pair{37, 27}, {37, 37}, {27, 37}, {27, 27}}) {
            if (std::abs(px - cx) < 16 && std::abs(py - cy) < 16)
                board::drawLine(solid, px, py, cx, cy);
        }
    }
    int solidCount = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 128; ++x) {
            solidCount += solid.pixel(x, y);
            if (board.pixel(x, y)) {
                EXPECT_TRUE(solid.pixel(x, y)) << "dash off the line at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(board.litPixels(), solidCount / 2);
    EXPECT_LT(board.litPixels(), solidCount * 7 / 10);
    EXPECT_TRUE(board.pixel(32, 12));
    EXPECT_TRUE(board.pixel(37, 27));
    EXPECT_FALSE(board.pixel(32, 32)) << "the centre stays dark";
}

TEST(Drawing, DiamondCornersLieTheSizeTimesRootTwoOut)
{
    Harness board;
    board.sendOnBlank("]q]402014");
    for (const auto &[x, y] : {std::pair{36, 32}, {92, 32}, {64, 4}, {64, 60}})
        EXPECT_TRUE(board.pixel(x, y)) << x << "," << y;
    EXPECT_FALSE(board.pixel(35, 32));
}

TEST(Drawing, SetAndToggleDots)
{
    Harness board;
    board.sendOnBlank("]d]3f07");
    board.send("]d]4008");
    EXPECT_TRUE(board.pixel(63, 7));
    EXPECT_TRUE(board.pixel(64, 8));
    board.send("]e]3f07");
    board.send("]e]0102");
    EXPECT_FALSE(board.pixel(63, 7));
    EXPECT_TRUE(board.pixel(1, 2));
    EXPECT_EQ(board.litPixels(), 2);
}

TEST(Drawing, PutByteRunsDownFromItsRowAcrossAPageBoundary)
{
    Harness board;
    board.send("]f]1");
    board.send("]u]0a057c");
    EXPECT_EQ(board.column(10, 4, 13), "#..#####.#");
}

TEST(Drawing, PutCharacterWritesTheGlyphCellOpaque)
{
    Harness board;
    board.send("]f]1");
    board.send("]p]0000]A");
    const auto memory = board.firmware.lcd().memory();
    const board::Glyph a = board::glyphFor('A');
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(memory[static_cast<std::size_t>(column)], a[static_cast<std::size_t>(column)]);
    EXPECT_EQ(memory[5], 0x00) << "the blank column after the glyph";
    EXPECT_EQ(memory[6], 0xff) << "the cell ends there";
    EXPECT_EQ(memory[128], 0xff) << "the cell is eight rows high";
}

TEST(Drawing, FontGlyphsAreDistinctAndSemicolonIsBlank)
{
    EXPECT_EQ(board::glyphFor('A'), (board::Glyph{0x7e, 0x09, 0x09, 0x09, 0x7e}));
    EXPECT_EQ(board::glyphFor(';'), board::glyphFor(' '));
    EXPECT_EQ(board::glyphFor('\x01'), (board::Glyph{0x7f, 0x41, 0x41, 0x41, 0x7f}));
    for (char a = '!'; a <= '~'; ++a) {
        for (char b = static_cast<char>(a + 1); b <= '~'; ++b) {
            if (a != ';' && b != ';') {
                EXPECT_NE(board::glyphFor(a), board::glyphFor(b)) << a << " and " << b;
            }
        }
    }
}

TEST(Drawing, HorizontalStringsWrapToTheStartColumnAndVerticalOnesRunDown)
{
    Harness board;
    board.sendOnBlank("]h]7000]A]B]C]@");
    EXPECT_TRUE(board.pixel(112, 1)) << "A at 112";
    EXPECT_TRUE(board.pixel(118, 0)) << "B at 118";
    EXPECT_TRUE(board.pixel(112, 9)) << "C on the next line at 112";
    EXPECT_FALSE(board.pixel(124, 1));

    board.sendOnBlank("]v]0000]I]I]@");
    EXPECT_EQ(board.column(2, 0, 15), "#######.#######.");
}

TEST(Drawing, SemicolonInAStringClearsItsCell)
{
    Harness board;
    board.send("]f]1");
    board.send("]h]0000];]@");
    EXPECT_EQ(board.row(0, 0, 6), "......#");
}

TEST(Drawing, FillDrawsAGridOfItsStep)
{
    Harness board;
    board.sendOnBlank("]f]1");
    EXPECT_EQ(board.litPixels(), 128 * 64);
    board.sendOnBlank("]f]4");
    EXPECT_EQ(board.row(0, 0, 8), "#########");
    EXPECT_EQ(board.row(1, 0, 8), "#...#...#");
    EXPECT_EQ(board.row(4, 0, 8), "#########");
}

} // namespace
