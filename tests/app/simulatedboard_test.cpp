// The whole program against the simulated board: the real main window, the production Qt
// port, a pseudo-terminal, and the board's firmware drawing on its LCD.
#include "app/mainwindow.h"
#include "board/simulatedboard.h"
#include "serial/qtserialport.h"
#include "support/recordingmessages.h"
#include "ui/receivewindow.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct SimulatedBoardTest : ::testing::Test
{
    board::SimulatedBoard board;
    std::unique_ptr<serial::QtSerialPort> port;
    testing_support::RecordingMessages messages;
    std::unique_ptr<app::Main> main;

    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(board.start(&error)) << error;
        serial::PortMap map;
        map.assign(1, QString::fromStdString(board.devicePath()));
        port = std::make_unique<serial::QtSerialPort>(map);
        main = std::make_unique<app::Main>(*port, messages);
        click("cmdCom");
        ASSERT_TRUE(port->isOpen()) << messages.details.join('\n').toStdString();
    }

    void click(const char *name)
    {
        QTest::mouseClick(main->findChild<QAbstractButton *>(QLatin1String(name)), Qt::LeftButton);
    }

    // Waits for the receive poll to show `count` replies of the board.
    QString replies(int count)
    {
        (void)QTest::qWaitFor([&] { return main->receivedText().count("Ready:\r\n") >= count; },
                              5000);
        return main->receivedText();
    }

    bool pixel(int x, int y) const { return board.lcdMemory()[(y / 8) * 128 + x] & (1 << (y % 8)); }
};

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
