// The whole program against the simulated board: the real main window, the production Qt
// port, a pseudo-terminal, and the board's firmware drawing on its LCD.
#include "app/boardfixture.h"
#include "ui/receivewindow.h"

#include <QLineEdit>

namespace {

using SimulatedBoardTest = SimulatedBoardFixture;

TEST_F(SimulatedBoardTest, ClearThenTheDefaultCircleLightsItsPixels)
{
    click("Command1");
    EXPECT_EQ(replies(1), "Ready:\r\n");
    for (std::uint8_t byte : board.lcdMemory())
        ASSERT_EQ(byte, 0);

    main->send(QStringLiteral("]c]402014"));
    EXPECT_EQ(replies(2), "Ready:\r\nReady:\r\n");
    for (auto [x, y] : {std::pair{84, 32}, {44, 32}, {64, 12}, {64, 52}})
        EXPECT_TRUE(pixel(x, y)) << x << "," << y;
    EXPECT_FALSE(pixel(64, 32));
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(SimulatedBoardTest, TypedFramesReachTheBoardUnpaced)
{
    auto *line = main->findChild<QLineEdit *>(QStringLiteral("txmText"));
    QTest::keyClicks(line, "]d]4020");
    QTest::keyClick(line, Qt::Key_Return); // the board ends a frame at a carriage return
    EXPECT_EQ(replies(1), "Ready:\r\n");
    EXPECT_TRUE(pixel(64, 32));
}

TEST_F(SimulatedBoardTest, EepromAndLcdReadsReturnWhatWasWritten)
{
    main->send(QStringLiteral("]o]00100012]12]ab]34]"));
    replies(1);
    main->clearReceived();
    main->send(QStringLiteral("]a]00100012"));
    EXPECT_EQ(replies(1), "12ab34Ready:\r\n");

    main->send(QStringLiteral("]m]00010000]a1]b2"));
    replies(2);
    main->clearReceived();
    main->send(QStringLiteral("]n]00010000"));
    EXPECT_EQ(replies(1), "a1b2Ready:\r\n");
}

} // namespace
