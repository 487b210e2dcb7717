#pragma once

#include "app/mainwindow.h"
#include "support/fakeport.h"
#include "support/recordingmessages.h"
#include "ui/portstatuslabel.h"
#include "ui/receivewindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

// The real main window on a fake port and clock, with its controls found by their names.
struct MainFixture : ::testing::Test
{
    testing_support::FakeClock clock;
    testing_support::FakePort port{clock};
    testing_support::RecordingMessages messages;
    serial::BoardConnection connection{port, clock};
    app::Main main{connection, messages};

    template<typename T>
    T *find(const char *name)
    {
        auto *control = main.findChild<T *>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    void click(const char *name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    QString textOf(const char *name) { return find<QLineEdit>(name)->text(); }
    void setText(const char *name, const QString &text) { find<QLineEdit>(name)->setText(text); }
    ui::ReceiveWindow *receiveWindow() { return find<ui::ReceiveWindow>("rcvText"); }
    QString status() { return find<QLabel>("comm")->text(); }
    bool polling() { return connection.polling(); }

    void open()
    {
        if (!port.isOpen())
            click("cmdCom");
        ASSERT_TRUE(port.isOpen());
    }

    // What arrives from the board, collected by the next tick of the receive poll.
    void receive(const QByteArray &bytes)
    {
        port.incoming += bytes;
        EXPECT_TRUE(QTest::qWaitFor([this] { return port.incoming.isEmpty(); }, 5000));
    }
};
