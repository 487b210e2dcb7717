#include "protocol/shapeframes.h"

#include <gtest/gtest.h>

namespace {

using protocol::Encoded;

// A frame to send, or the refusal shown instead (then `frame` is empty).
struct Expected
{
    const char *frame;
    const char *refusal = "";
};

void expectEncoded(const Encoded &encoded, const Expected &expected, const std::string &row)
{
    EXPECT_EQ(encoded.frame, expected.frame) << row;
    EXPECT_EQ(encoded.refusal, expected.refusal) << row;
}

TEST(ShapeFrame, LeadThenCentreAndSizeAsHexFields)
{
    const struct
    {
        char letter;
        const char *x, *y, *size;
        Expected out;
    } rows[] = {
            {'c', "64", "32", "20", {"]c]402014"}},
            {'s', "64", "32", "20", {"]s]402014"}},
            {'q', "64", "32", "20", {"]q]402014"}},
            {'t', "64", "32", "20", {"]t]402014"}},
            {'c', "0", "9", "10", {"]c]00090a"}},
            {'c', "15", "16", "255", {"]c]0f10ff"}},
            {'c', "300", "32", "20", {"]c]12c2014"}},     // never cut
            {'c', "20.5", "21.5", " 20 ", {"]c]141614"}}, // halves to even, blanks ignored
            {'c', "", "32", "20", {"", "X needs a whole number from 0 up"}},
            {'c', "64", "-1", "20", {"", "Y needs a whole number from 0 up"}},
            {'c', "64", "32", "a", {"", "Size needs a whole number from 0 up"}},
            {'c', "64", "32", "2147483648", {"", "Size needs a whole number from 0 to 2147483647"}},
    };
    for (const auto &row : rows)
        expectEncoded(
                protocol::shapeFrame(row.letter, {"X", row.x}, {"Y", row.y}, {"Size", row.size}),
                row.out, std::string(1, row.letter) + " " + row.x + " " + row.y);
}

using Corners = std::array<std::string, 4>; // x1, x2, y1, y2

protocol::RectangleFrame rectangle(const Corners &corners, const char *step = "1",
                                   bool fill = false, bool clear = false)
{
    return protocol::rectangleFrame({{"Top Left X", corners[0]},
                                     {"Bottom Rt X", corners[1]},
                                     {"Top Left Y", corners[2]},
                                     {"Bottom Rt Y", corners[3]},
                                     {"Step 1-9", step},
                                     fill,
                                     clear});
}

const Corners defaultCorners = {"0", "127", "0", "63"};

TEST(RectangleFrame, CornersAreCorrectedIntoRangeAndSentSo)
{
    const struct
    {
        Corners in;
        const char *frame;
        Corners out;
    } rows[] = {
            // clang-format off
            {defaultCorners,              "]r]007f003f]1]0000", defaultCorners},
            {{"0", "300", "-5", "63"},    "]r]00ff003f]1]0000", {"0", "255", "0", "63"}},
            {{"999", "127", "0", "63"},   "]r]ff7f003f]1]0000", {"255", "127", "0", "63"}},
            {{"2.5", "127", "1.5", "63"}, "]r]027f023f]1]0000", {"2.5", "127", "1.5", "63"}},
            {{"0", "127", "0", "1e9"},    "]r]007f00ff]1]0000", {"0", "127", "0", "255"}},
            // clang-format on
    };
    for (const auto &row : rows) {
        const auto result = rectangle(row.in);
        expectEncoded(result.encoded, {row.frame}, row.in[0] + " " + row.in[1]);
        EXPECT_EQ(result.corners, row.out) << row.in[0] << " " << row.in[1];
    }
}

TEST(RectangleFrame, StepInDecimalThenTheFillAndClearFlags)
{
    const struct
    {
        const char *step;
        bool fill, clear;
        Expected out;
    } rows[] = {
            // clang-format off
            {"2.5",                  false, false, {"]r]007f003f]2.5]0000"}},
            {"abc",                  false, false, {"]r]007f003f]0]0000"}},
            {"-0",                   false, false, {"]r]007f003f]0]0000"}},
            {"1.333333333333333333", false, false, {"]r]007f003f]1.33333333333333]0000"}},
            {"1",                    true,  true,  {"]r]007f003f]1]0101"}},
            {"1",                    false, true,  {"]r]007f003f]1]0001"}},
            {"9e999",                false, false, {"", "Step 1-9 needs a number from 1 to 9"}},
            // clang-format on
    };
    for (const auto &row : rows)
        expectEncoded(rectangle(defaultCorners, row.step, row.fill, row.clear).encoded, row.out,
                      row.step);
}

TEST(RectangleFrame, ACornerThatIsNoNumberRefusesAllAndCorrectsNothing)
{
    for (const Corners &in : {Corners{"999", "abc", "0", "63"}, Corners{"0", "127", "", "63"}}) {
        const auto result = rectangle(in);
        EXPECT_FALSE(result.encoded.ok()) << in[1] << in[2];
        EXPECT_EQ(result.corners, Corners{}) << in[1] << in[2];
    }
    EXPECT_EQ(rectangle({"999", "abc", "0", "63"}).encoded.refusal,
              "Bottom Rt X needs a whole number from 0 up");
}

TEST(LineFrame, BothXThenBothYAndTheEndNeverBeforeTheBeginning)
{
    const struct
    {
        const char *x1, *y1, *x2, *y2;
        Expected out;
    } rows[] = {
            {"00", "00", "127", "40", {"]l]007f0028"}},
            {"10", "10", "10", "50", {"]l]0a0a0a32"}},
            {"0", "500", "127", "600", {"]l]007f1f4258"}},
            {"100", "0", "20", "40", {"", "Invalid Entry - Try again"}},
            {"0", "40", "127", "39", {"", "Invalid Entry - Try again"}},
            {"abc", "0", "5", "5", {"", "X1 needs a whole number from 0 up"}}, // order reads 0
            {"5", "0", "abc", "5", {"", "Invalid Entry - Try again"}},         // order first
            {"-3", "0", "5", "5", {"", "X1 needs a whole number from 0 up"}},
    };
    for (const auto &row : rows)
        expectEncoded(
                protocol::lineFrame({"X1", row.x1}, {"Y1", row.y1}, {"X2", row.x2}, {"Y2", row.y2}),
                row.out, std::string(row.x1) + "," + row.y1 + " " + row.x2 + "," + row.y2);
}

TEST(BarFrame, FarEdgesAreStartPlusTheExtentThatRunsThatWay)
{
    const struct
    {
        const char *x, *y, *height, *width;
        bool vertical;
        const char *step;
        Expected out;
    } rows[] = {
            // clang-format off
            {"20", "20", "36", "5", false, "1", {"]b]14381419]1"}},
            {"20", "20", "36", "5", true, "1", {"]b]14191438]1"}},
            {"100", "10", "40", "8", true, "1", {"]b]646c0a32]1"}},
            {"250", "20", "36", "5", false, "5", {"]b]fa11e1419]5"}},
            {"20", "20", "abc", "5", false, "1", {"]b]14141419]1"}},   // an extent reads 0
            {"20", "20", "1.5", "2.5", false, "1", {"]b]14161416]1"}}, // sums round to even
            {"abc", "20", "36", "5", false, "1", {"", "Top Left X needs a whole number from 0 up"}},
            {"20", "20", "36", "-30", false, "1",
             {"", "Top Left Y plus Width needs a whole number from 0 up"}},
            {"20", "20", "36", "5", false, "", {"", "Step by needs a whole number from 0 up"}},
            // clang-format on
    };
    for (const auto &row : rows)
        expectEncoded(protocol::barFrame({{"Top Left X", row.x},
                                          {"Top Left Y", row.y},
                                          {"Height", row.height},
                                          {"Width", row.width},
                                          row.vertical,
                                          {"Step by", row.step}}),
                      row.out, std::string(row.x) + " " + row.height + " " + row.width);
}

TEST(AxisFrame, StartEndAcrossThenTheTickText)
{
    const struct
    {
        char letter;
        const char *start, *length, *across, *tick;
        Expected out;
    } rows[] = {
            {'x', "16", "100", "56", "4", {"]x]107438]4"}},
            {'x', "16", "100", "56", "10", {"]x]107438]10"}},
            {'x', "16", "1.5", "56", "4", {"]x]101238]4"}},
            {'x', "16", "2.5", "56", "4", {"]x]101238]4"}},
            {'x', "16", "abc", "56", "4", {"]x]101038]4"}},
            {'y', "10", "46", "16", "4", {"]y]0a3810]4"}},
            {'x', "", "100", "56", "4", {"", "Start needs a whole number from 0 up"}},
            {'x', "16", "100", "-1", "4", {"", "Across needs a whole number from 0 up"}},
            {'x', "16", "-20", "56", "4", {"", "Start plus Length needs a whole number from 0 up"}},
    };
    for (const auto &row : rows)
        expectEncoded(protocol::axisFrame(row.letter, {"Start", row.start}, {"Length", row.length},
                                          {"Across", row.across}, {"Tick", row.tick}),
                      row.out, std::string(1, row.letter) + " " + row.start + " " + row.length);
}

} // namespace
