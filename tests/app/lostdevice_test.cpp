// A device that goes away while the port is open: unplugged, switched off, hung up.
#include "app/mainwindow.h"
#include "mainfixture.h"
#include "serial/qtserialport.h"
#include "support/ptypeer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

using namespace std::chrono_literals;
using testing_support::PtyPeer;

double cpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The real window and port on a pseudo-terminal reached through a fixed name, as an adapter
// is: unplugging closes the far end, plugging in again puts a new one behind the same name.
struct LostDeviceTest : ::testing::Test
{
    QTemporaryDir scratch;
    QString device = scratch.filePath("ttyBoard");
    std::unique_ptr<PtyPeer> peer;
    std::unique_ptr<serial::QtSerialPort> port;
    testing_support::RecordingMessages messages;
    serial::SteadyClock clock;
    std::unique_ptr<serial::BoardConnection> connection;
    std::unique_ptr<app::Main> main;

    void SetUp() override
    {
        plugIn();
        serial::PortMap map;
        map.assign(1, device);
        port = std::make_unique<serial::QtSerialPort>(map);
        connection = std::make_unique<serial::BoardConnection>(*port, clock);
        main = std::make_unique<app::Main>(*connection, messages);
        click("cmdCom");
        ASSERT_TRUE(port->isOpen()) << messages.details.join('\n').toStdString();
    }

    void plugIn()
    {
        peer = std::make_unique<PtyPeer>();
        ASSERT_TRUE(peer->ok());
        QFile::remove(device);
        ASSERT_TRUE(QFile::link(QString::fromStdString(peer->devicePath()), device));
    }

    template<typename T>
    T *find(const char *name)
    {
        return main->findChild<T *>(QLatin1String(name));
    }
    void click(const char *name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    QString status() { return find<QLabel>("comm")->text(); }

    // Everything the Close toggle leaves behind, and the one message.
    void expectClosedByTheLoss()
    {
        ASSERT_EQ(messages.texts.size(), 1) << messages.texts.join('|').toStdString();
        EXPECT_TRUE(messages.texts[0].startsWith("Comm port lost: " + device + " hung up"))
                << messages.texts[0].toStdString();
        EXPECT_FALSE(port->isOpen());
        EXPECT_EQ(status(), "OFF");
        EXPECT_EQ(find<QPushButton>("cmdCom")->text(), "Open");
        EXPECT_FALSE(connection->polling());
        EXPECT_TRUE(find<QLineEdit>("txmText")->text().isEmpty());
        EXPECT_TRUE(find<QPushButton>("cmdClear")->isHidden());
        EXPECT_EQ(find<QLineEdit>("txmText")->palette().color(QPalette::Base), QColor(Qt::white));
    }
};

TEST_F(LostDeviceTest, AnIdlePortIsClosedWithOneMessageAndLeavesTheProcessorIdle)
{
    peer->answer("Ready:\r");
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->receivedText() == "Ready:\r\n"; }, 5000));
    peer.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return status() == "OFF"; }, 5000));
    expectClosedByTheLoss();
    EXPECT_EQ(main->receivedText(), "Ready:\r\n");

    const double before = cpuSeconds();
    QTest::qWait(1000);
    EXPECT_LT(cpuSeconds() - before, 0.2);
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(LostDeviceTest, OpenWorksAgainOnceTheDeviceIsBack)
{
    peer.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return status() == "OFF"; }, 5000));
    plugIn();
    click("cmdCom");
    ASSERT_TRUE(port->isOpen()) << messages.details.join('\n').toStdString();
    EXPECT_EQ(status(), "ON");
    main->send("]k");
    const auto arrivals = peer->waitFor(2, 2s);
    ASSERT_EQ(arrivals.size(), 2u);
    EXPECT_EQ(arrivals[1].byte, 'k');
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(LostDeviceTest, ALongTransmissionEndsWhenTheDeviceGoes)
{
    find<QLineEdit>("xmitdelay")->setText("200");
    QTimer::singleShot(500, [&] { peer.reset(); });
    QElapsedTimer taken;
    taken.start();
    main->send(QString("]").repeated(10));
    EXPECT_LT(taken.elapsed(), 1500);
    expectClosedByTheLoss();
}

TEST_F(MainFixture, AWriteThatFindsTheDeviceGoneClosesThePortWithoutATransmitFailure)
{
    open();
    port.onWrite = [&] {
        if (port.written.size() == 2)
            port.loseDevice("/dev/fake1: Input/output error");
    };
    main.send("]c]402014");
    EXPECT_EQ(port.wire(), "]c");
    EXPECT_EQ(messages.texts, QStringList{"Comm port lost: /dev/fake1: Input/output error"});
    EXPECT_EQ(status(), "OFF");
    EXPECT_FALSE(polling());
}

TEST_F(MainFixture, AKeyTypedToAGoneDeviceClosesThePort)
{
    open();
    port.loseDevice("/dev/fake1 hung up");
    QTest::keyClicks(find<QLineEdit>("txmText"), "ab");
    EXPECT_EQ(messages.texts, QStringList{"Comm port lost: /dev/fake1 hung up"});
    EXPECT_EQ(status(), "OFF");
}

} // namespace
