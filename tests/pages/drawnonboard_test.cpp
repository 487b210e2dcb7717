// Each page draws on the simulated board through the real serial code and a pseudo-terminal,
// and the board's LCD shows what a person would expect.
#include "app/boardfixture.h"

#include <QLineEdit>

#include <utility>
#include <vector>

namespace {

struct Pixel
{
    int x, y;
    bool lit;
};

struct PageDrawing
{
    const char *page;
    std::vector<std::pair<const char *, const char *>> entries; // box and its text, or option
    const char *button;
    int frames;
    std::vector<Pixel> pixels;
};

// clang-format off
const PageDrawing drawings[] = {
    {"Circle", {}, "cmdCirc", 1, {{84, 32, true}, {44, 32, true}, {64, 12, true}, {64, 52, true},
                                 {64, 32, false}, {84, 12, false}}},
    {"Square", {}, "cmdSquare", 1, {{44, 12, true}, {84, 52, true}, {64, 12, true}, {44, 32, true},
                                    {64, 32, false}, {43, 12, false}}},
    {"Square45", {}, "cmdDiam", 1, {{36, 32, true}, {92, 32, true}, {64, 4, true}, {64, 60, true},
                                    {64, 32, false}, {36, 4, false}}},
    {"Star4", {}, "Command2", 1, {{64, 12, true}, {84, 32, true}, {64, 52, true}, {44, 32, true},
                                  {64, 32, false}, {84, 12, false}}},
    {"Rectangle", {}, "cmdRect", 1, {{0, 0, true}, {127, 63, true}, {64, 0, true}, {0, 32, true},
                                     {64, 32, false}, {1, 1, false}}},
    {"Line", {}, "cmdLine", 1, {{0, 0, true}, {127, 40, true}, {0, 40, false}, {127, 0, false}}},
    {"Bar", {}, "cmdbar", 1, {{20, 20, true}, {56, 25, true}, {38, 22, true},
                              {57, 22, false}, {19, 20, false}, {38, 26, false}}},
    {"X-Axis", {}, "cmdXaxis", 1, {{16, 56, true}, {116, 56, true}, {20, 58, true},
                                   {21, 58, false}, {117, 56, false}}},
    {"Y-Axis", {}, "cmdyaxis", 1, {{16, 10, true}, {16, 56, true}, {14, 52, true},
                                   {14, 51, false}, {16, 57, false}}},
    {"SetDot single", {}, "Command3", 1, {{64, 32, true}, {63, 32, false}, {65, 32, false}}},
    {"SetDot many", {}, "Command4", 20, {{9, 30, false}, {10, 30, true}, {29, 30, true}, {30, 30, false}}},
    {"SetDot many down", {{"optVert", ""}, {"txtDotnum", "5"}}, "Command4", 5,
     {{10, 29, false}, {10, 30, true}, {10, 34, true}, {10, 35, false}, {11, 30, false}}},
    {"ResetDot", {}, "cmdResetDot", 1, {{64, 32, true}, {64, 33, false}}},
    // 124 is 0111 1100, bit 0 on top.
    {"PutByte", {}, "cmdPutByte", 1, {{10, 11, false}, {10, 12, true}, {10, 16, true}, {10, 17, false}}},
    // The top row of "A" is .###.
    {"PutChar", {{"txtPutChrx", "20"}}, "cmdPutChr", 1,
     {{20, 10, false}, {21, 10, true}, {23, 10, true}, {24, 10, false}, {20, 13, true}}},
    {"FillScreen", {}, "cmdFill", 1, {{0, 0, true}, {127, 63, true}, {50, 21, true}}},
    // "A" at x 1, ";" drawn as a blank, "K" (#...#) at x 13.
    {"Horiz String", {}, "cmdH", 1, {{2, 32, true}, {4, 32, true}, {7, 32, false}, {9, 32, false},
                                     {13, 32, true}, {2, 31, false}}},
    // "V" (#...#) at the top of column 64, "E" (#####) below it.
    {"Vert String", {{"txtV", "ve"}}, "cmdVs", 1, {{64, 0, true}, {65, 0, false}, {68, 0, true},
                                                  {66, 8, true}, {64, 16, false}}},
};
// clang-format on

using DrawnOnBoard = BoardFixture;

TEST_F(DrawnOnBoard, EachPageDrawsWhatItAsksFor)
{
    for (const PageDrawing &drawing : drawings) {
        SCOPED_TRACE(drawing.page);
        main->clearReceived();
        click("Command1");
        ASSERT_TRUE(waitForReplies(1));
        for (const auto &[name, text] : drawing.entries) {
            if (auto *box = main->findChild<QLineEdit *>(QLatin1String(name)))
                box->setText(QString::fromUtf8(text));
            else
                click(name);
        }
        click(drawing.button);
        ASSERT_TRUE(waitForReplies(1 + drawing.frames)) << main->receivedText().toStdString();
        EXPECT_FALSE(main->receivedText().contains("Error")) << main->receivedText().toStdString();
        for (const Pixel &expected : drawing.pixels)
            EXPECT_EQ(pixel(expected.x, expected.y), expected.lit)
                    << expected.x << "," << expected.y;
    }
    EXPECT_TRUE(messages.texts.isEmpty());
}

} // namespace
