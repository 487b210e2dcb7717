// Each page draws on the simulated board through the real serial code and a pseudo-terminal.
#include "app/boardfixture.h"

#include <utility>
#include <vector>

namespace {

using DrawnOnBoard = BoardFixture;
using Pixels = std::vector<std::pair<int, int>>;

TEST_F(DrawnOnBoard, EveryPageDrawsItsFigureWithTheDefaults)
{
    const struct
    {
        const char *button;
        Pixels lit, dark;
    } rows[] = {
            {"cmdCirc", {{84, 32}, {44, 32}, {64, 12}, {64, 52}}, {{64, 32}, {84, 12}}},
            {"cmdSquare", {{44, 12}, {84, 52}, {64, 12}, {44, 32}}, {{64, 32}, {43, 12}}},
            {"cmdDiam", {{36, 32}, {92, 32}, {64, 4}, {64, 60}}, {{64, 32}, {36, 4}}},
            {"Command2", {{64, 12}, {84, 32}, {64, 52}, {44, 32}}, {{64, 32}, {84, 12}}},
            {"cmdRect", {{0, 0}, {127, 63}, {64, 0}, {0, 32}}, {{64, 32}, {1, 1}}},
            {"cmdLine", {{0, 0}, {127, 40}}, {{0, 40}, {127, 0}}},
            {"cmdbar", {{20, 20}, {56, 25}, {38, 22}}, {{57, 22}, {19, 20}, {38, 26}}},
            {"cmdXaxis", {{16, 56}, {116, 56}, {20, 58}}, {{21, 58}, {117, 56}}},
            {"cmdyaxis", {{16, 10}, {16, 56}, {14, 52}}, {{14, 51}, {16, 57}}},
    };
    int commands = 0;
    for (const auto &row : rows) {
        click("Command1");
        click(row.button);
        commands += 2;
        ASSERT_EQ(replies(commands).count("Ready:\r\n"), commands)
                << row.button << ": " << main->receivedText().toStdString();
        for (auto [x, y] : row.lit)
            EXPECT_TRUE(pixel(x, y)) << row.button << " lights " << x << "," << y;
        for (auto [x, y] : row.dark)
            EXPECT_FALSE(pixel(x, y)) << row.button << " leaves " << x << "," << y;
    }
    EXPECT_FALSE(main->receivedText().contains("Error"));
    EXPECT_EQ(messages.texts, QStringList());
}

} // namespace
