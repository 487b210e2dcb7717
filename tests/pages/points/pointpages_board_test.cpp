// Each page draws on the simulated board through a pseudo-terminal, as a person would see it.
#include "app/boardfixture.h"

#include <QLineEdit>

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
    std::vector<std::pair<const char *, const char *>> entries; // box or option, text
    const char *button;
    int frames;
    std::vector<Pixel> pixels;
};

// clang-format off
const PageDrawing drawings[] = {
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

using PointPagesOnTheBoard = BoardFixture;

TEST_F(PointPagesOnTheBoard, EachPageDrawsWhatItAsksFor)
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
