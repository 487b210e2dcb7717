#pragma once

#include "app/mainwindow.h"
#include "app/pagefront.h"
#include "board/simulatedboard.h"
#include "serial/qtserialport.h"
#include "support/recordingmessages.h"

#include <QAbstractButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The whole program against the simulated board: the real main window, the production Qt
// port, a pseudo-terminal, and the board's firmware drawing on its LCD. The port is open.
struct BoardFixture : ::testing::Test
{
    board::SimulatedBoard board;
    std::unique_ptr<serial::QtSerialPort> port;
    testing_support::RecordingMessages messages;
    serial::SteadyClock clock;
    std::unique_ptr<serial::BoardConnection> connection;
    std::unique_ptr<app::Main> main;

    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(board.start(&error)) << error;
        serial::PortMap map;
        map.assign(1, QString::fromStdString(board.devicePath()));
        port = std::make_unique<serial::QtSerialPort>(map);
        connection = std::make_unique<serial::BoardConnection>(*port, clock);
        main = std::make_unique<app::Main>(*connection, messages);
        main->show();
        click("cmdCom");
        ASSERT_TRUE(port->isOpen()) << messages.details.join('\n').toStdString();
    }

    // Brings the button's page to the front, if it sits on one, and clicks it.
    void click(const char *name)
    {
        auto *button = main->findChild<QAbstractButton *>(QLatin1String(name));
        bringPageToFront(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Waits for the receive poll to show `count` replies of the board.
    bool waitForReplies(int count)
    {
        return QTest::qWaitFor([&] { return main->receivedText().count("Ready:\r\n") >= count; },
                               5000);
    }
    QString replies(int count)
    {
        (void)waitForReplies(count);
        return main->receivedText();
    }

    bool pixel(int x, int y) const { return board.lcdMemory()[(y / 8) * 128 + x] & (1 << (y % 8)); }
};
