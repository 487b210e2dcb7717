// The production port, through a real pseudo-terminal.
#include "protocol/transmission.h"
#include "serial/clock.h"
#include "serial/qtserialport.h"
#include "serial/transmitter.h"
#include "support/ptypeer.h"

#include <QThread>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using testing_support::PtyPeer;

struct QtSerialPortTest : ::testing::Test
{
    PtyPeer peer;
    std::unique_ptr<serial::QtSerialPort> port;

    void SetUp() override
    {
        ASSERT_TRUE(peer.ok());
        serial::PortMap map;
        map.assign(1, QString::fromStdString(peer.devicePath()));
        port = std::make_unique<serial::QtSerialPort>(map);
        port->setPortNumber(1);
        port->setSettings("19200,n,8,1");
    }
};

TEST_F(QtSerialPortTest, TheBoardSeesEveryByteAndEveryPause)
{
    ASSERT_TRUE(port->open().ok);
    serial::SteadyClock clock;
    serial::Transmitter transmitter(*port, clock);
    const auto plan = protocol::planTransmission("]c]402014", "]", "20");
    const auto start = PtyPeer::Clock::now();
    ASSERT_TRUE(transmitter.transmit(plan.steps).ok());

    const auto arrivals = peer.waitFor(9, 2s);
    std::string bytes;
    for (const auto &arrival : arrivals)
        bytes += arrival.byte;
    ASSERT_EQ(bytes, "]c]402014");
    // Each byte arrives no sooner than the pauses before it add up to. (The gap between two
    // arrivals is no fair measure here: the pseudo-terminal may hand the byte before a pause
    // over late.)
    int pauses = 0;
    for (std::size_t i = 0; i < arrivals.size(); ++i) {
        pauses += arrivals[i].byte == ']';
        EXPECT_GE(arrivals[i].at - start, pauses * 20ms) << "byte " << i;
    }
}

TEST_F(QtSerialPortTest, ReadsWhatTheBoardAnswersWithoutAnEventLoop)
{
    ASSERT_TRUE(port->open().ok);
    peer.answer("Ready:\r");
    QByteArray received;
    for (int i = 0; i < 100 && received.size() < 7; ++i) {
        received += port->readAll();
        QThread::msleep(5);
    }
    EXPECT_EQ(received, "Ready:\r");
}

TEST_F(QtSerialPortTest, OpeningForgetsWhatArrivedWhileClosed)
{
    peer.answer("Ready:\r");
    QThread::msleep(20);
    ASSERT_TRUE(port->open().ok);
    QThread::msleep(20);
    EXPECT_TRUE(port->readAll().isEmpty());
    peer.answer("A");
    QByteArray received;
    for (int i = 0; i < 100 && received.isEmpty(); ++i) {
        received = port->readAll();
        QThread::msleep(5);
    }
    EXPECT_EQ(received, "A");
}

TEST_F(QtSerialPortTest, EveryRateOfTheListOpens)
{
    for (const char *settings : {"56000,n,8,1", "28800,n,8,1", "14400,n,8,1", "600,n,8,1"}) {
        port->setSettings(settings);
        const auto opened = port->open();
        EXPECT_TRUE(opened.ok) << settings << ": " << opened.reason.toStdString();
        port->close();
    }
}

TEST(QtSerialPort, AFarEndThatHangsUpFailsTheWriteAndNeverHangsTheRead)
{
    auto peer = std::make_unique<PtyPeer>();
    serial::PortMap map;
    map.assign(1, QString::fromStdString(peer->devicePath()));
    serial::QtSerialPort port(map);
    port.setPortNumber(1);
    ASSERT_TRUE(port.open().ok);
    peer.reset(); // the board goes away, as an unplugged adapter does
    EXPECT_TRUE(port.readAll().isEmpty());
    qsizetype taken = 0;
    const auto written = port.write("]k", taken);
    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.reason.isEmpty());
    EXPECT_FALSE(port.fault().ok);
    port.drain();
}

TEST(QtSerialPort, AMissingDeviceFailsSayingSo)
{
    serial::PortMap map;
    map.assign(3, "/dev/does-not-exist");
    serial::QtSerialPort port(map);
    port.setPortNumber(3);
    const auto opened = port.open();
    EXPECT_FALSE(opened.ok);
    EXPECT_TRUE(opened.reason.startsWith("/dev/does-not-exist does not exist"))
            << opened.reason.toStdString();
    EXPECT_FALSE(port.isOpen());
}

TEST(QtSerialPort, WritingToAClosedPortFails)
{
    serial::QtSerialPort port{serial::PortMap()};
    qsizetype taken = 0;
    EXPECT_FALSE(port.write("x", taken).ok);
    EXPECT_TRUE(port.readAll().isEmpty());
}

} // namespace
