// Long transmissions: progress, Stop, a window that stays alive but takes no other input,
// and the board's replies kept for after.
#include "app/framerecorder.h"
#include "app/transmitrun.h"
#include "mainfixture.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>

namespace {

using namespace std::chrono_literals;

struct LongTransmissionTest : MainFixture
{
    // Ten command keys at 200 ms each: two seconds on the wire.
    const QString tenKeys = QString("]").repeated(10);

    void SetUp() override
    {
        open();
        setText("xmitdelay", "200");
    }

    QDialog *progress() { return main.findChild<QDialog *>("frmProgress"); }
    QString progressText() { return progress()->findChild<QLabel *>("lblProgress")->text(); }
    void stop()
    {
        QTest::mouseClick(progress()->findChild<QPushButton *>("cmdStop"), Qt::LeftButton);
    }
};

TEST_F(LongTransmissionTest, ShowsBusyAndHowFarItHasGotWithoutChangingThePacing)
{
    QStringList seen;
    port.onWrite = [&] {
        seen.append(status() + " " + (progress() && progress()->isVisible() ? progressText() : ""));
    };
    main.send(tenKeys);
    ASSERT_EQ(seen.size(), 10);
    EXPECT_EQ(seen[0], "Busy 0 of 10 characters sent, about 2 s left");
    EXPECT_EQ(seen[5], "Busy 5 of 10 characters sent, about 1 s left");
    EXPECT_EQ(port.schedule(), QString("<200>]").repeated(10).toStdString());
    EXPECT_EQ(progress(), nullptr);
    EXPECT_EQ(status(), "ON");
    EXPECT_TRUE(messages.texts.isEmpty());
}

// A board that stops reading is slow, not gone: the port stays open.
TEST_F(LongTransmissionTest, ALineThatTakesNothingForFiveSecondsEndsItAndThePortStaysOpen)
{
    port.fullAfter = 3;
    setText("xmitdelay", "0");
    main.send("]c]402014");
    EXPECT_EQ(port.wire(), "]c]");
    EXPECT_EQ(messages.texts,
              QStringList{"The board stopped taking characters after 3 of 9: the line took none "
                          "for five seconds. The port is still open."});
    EXPECT_EQ(status(), "ON");
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(polling());
}

TEST_F(LongTransmissionTest, TheWindowTakesTheKeyboardBackAfterwards)
{
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    main.send(tenKeys);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
}

TEST_F(LongTransmissionTest, StopEndsAfterTheCurrentCharacter)
{
    port.onWrite = [&] {
        if (port.written.size() == 4)
            stop();
    };
    main.send(tenKeys);
    EXPECT_EQ(port.wire(), "]]]]]");
    EXPECT_EQ(messages.texts, QStringList{"Transmit stopped after 5 of 10 characters"});
    EXPECT_EQ(status(), "ON");
    EXPECT_TRUE(polling());
    EXPECT_EQ(textOf("txmText"), tenKeys);
}

TEST_F(LongTransmissionTest, NothingElseOfTheProgramTakesInputMeanwhile)
{
    port.onWrite = [&] {
        if (port.written.size() != 3)
            return;
        port.incoming = "late";
        click("cmdCom");   // would close the port
        click("Command1"); // would send "]k"
        QTest::keyClicks(find<QLineEdit>("txmText"), "x");
        QTest::keyClick(&main, Qt::Key_X, Qt::AltModifier);
        main.close();
        QTest::qWait(120); // poll ticks would come now
        EXPECT_EQ(receiveWindow()->text(), "Waiting.....");
    };
    main.send(tenKeys);
    EXPECT_EQ(port.wire(), tenKeys.toStdString());
    EXPECT_EQ(textOf("txmText"), tenKeys);
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return receiveWindow()->text() == "late"; }, 5000));
}

TEST_F(LongTransmissionTest, AShortTransmissionShowsNoProgressWindow)
{
    setText("xmitdelay", "20");
    bool shown = false;
    port.onWrite = [&] {
        shown = shown || progress();
    };
    main.send("]c]402014");
    main.sendAll({"]d]4020", "]d]4121"});
    EXPECT_FALSE(shown);
}

TEST_F(LongTransmissionTest, ARunOfFramesHasOneProgressWindowAndOneStopAndRecordsWholeFrames)
{
    QTemporaryDir dir;
    app::FrameRecorder recorder(connection);
    ASSERT_TRUE(recorder.start(dir.filePath("run.txt")).isEmpty());
    setText("xmitdelay", "20");
    QStringList frames;
    for (int i = 0; i < 30; ++i)
        frames.append("]d]4020"); // 40 ms of pauses each: 1.2 s for the run
    QSet<QDialog *> windows;
    port.onWrite = [&] {
        windows.insert(progress());
        if (port.written.size() >= 50 && port.written.size() < 56)
            stop();
    };
    main.sendAll(frames);
    EXPECT_EQ(windows.size(), 1);
    EXPECT_FALSE(windows.contains(nullptr));
    EXPECT_EQ(port.wire(), QString("]d]4020").repeated(8).toStdString());
    EXPECT_EQ(messages.texts, QStringList{"Transmit stopped after 56 of 210 characters"});
    recorder.stop();
    QFile recorded(dir.filePath("run.txt"));
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    // The ninth frame was cut short: the board never had it whole, so a replay must not send it.
    EXPECT_EQ(recorded.readAll().toStdString(),
              "# xmitdelay 20\n# waitchar ]\n" + QByteArray("]d]4020\n").repeated(8).toStdString());
}

TEST_F(LongTransmissionTest, RepliesThatArriveMeanwhileAreAllShownInOrderAfterwards)
{
    for (const char *delay : {"200", "20"}) {
        click("cmdClear");
        setText("xmitdelay", delay);
        port.onWrite = [&] {
            port.incoming += QByteArray(1, static_cast<char>('a' + port.written.size() % 10));
        };
        main.send(tenKeys);
        EXPECT_TRUE(receiveWindow()->text().isEmpty()) << delay;
        EXPECT_TRUE(QTest::qWaitFor([&] { return receiveWindow()->text() == "abcdefghij"; }, 5000))
                << delay << ": " << receiveWindow()->text().toStdString();
    }
}

TEST_F(LongTransmissionTest, AFailedDrainEndsTheTransmissionAsAFailure)
{
    port.drainResult = serial::PortResult::failure("Input/output error");
    main.send(tenKeys);
    EXPECT_TRUE(port.wire().empty());
    EXPECT_EQ(messages.texts, QStringList{"Transmit failed: Input/output error"});
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(polling());
}

// A message box that a person answers with a click, as a real one is.
class ClickedMessages final : public ui::Messages
{
public:
    void show(const QString &text, const QString &) override
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            progressStillUp = progressStillUp || window->objectName() == "frmProgress";
        QDialog box;
        auto *ok = new QPushButton("OK", &box);
        QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
        box.setModal(true);
        box.show();
        QTest::mouseClick(ok, Qt::LeftButton);
        answered.append(text + (box.result() == QDialog::Accepted ? " (OK)" : ""));
    }
    QStringList answered;
    bool progressStillUp = false;
};

TEST(LongTransmission, TheMessageAStoppedRunEndsWithCanBeAnswered)
{
    testing_support::FakeClock clock;
    testing_support::FakePort port{clock};
    ClickedMessages messages;
    serial::BoardConnection connection{port, clock};
    app::Main main{connection, messages};
    QTest::mouseClick(main.findChild<QPushButton *>("cmdCom"), Qt::LeftButton);
    main.setTransmitDelay("200");
    port.onWrite = [&] {
        QTest::mouseClick(main.findChild<QPushButton *>("cmdStop"), Qt::LeftButton);
    };
    main.send(QString("]").repeated(10));
    EXPECT_EQ(messages.answered, QStringList{"Transmit stopped after 1 of 10 characters (OK)"});
    EXPECT_FALSE(messages.progressStillUp);
}

// The window on the real clock, so that the event loop runs while the pauses do; the fake
// port's own clock only stamps the bytes.
struct RealClockTest : ::testing::Test
{
    testing_support::FakeClock stamps;
    testing_support::FakePort port{stamps};
    testing_support::RecordingMessages messages;
    serial::SteadyClock realClock;
    serial::BoardConnection connection{port, realClock};
    app::Main main{connection, messages};

    void SetUp() override
    {
        QTest::mouseClick(main.findChild<QPushButton *>("cmdCom"), Qt::LeftButton);
    }
};

TEST_F(RealClockTest, AClickOnStopIsHandledWhileThePausesRun)
{
    main.setTransmitDelay("200");
    QTimer::singleShot(300, [&] {
        auto *stop = main.findChild<QPushButton *>("cmdStop");
        ASSERT_NE(stop, nullptr);
        QTest::mouseClick(stop, Qt::LeftButton);
    });
    QElapsedTimer taken;
    taken.start();
    main.send(QString("]").repeated(10));
    EXPECT_LT(taken.elapsed(), 1000);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith("Transmit stopped after "))
            << messages.texts[0].toStdString();
    EXPECT_LE(port.wire().size(), 3u);
}

TEST_F(RealClockTest, TheWindowKeepsHandlingEventsThroughout)
{
    main.setTransmitDelay("150");
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longestGap = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    ticks.start(5);
    main.send(QString("]").repeated(8)); // 1.2 s
    longestGap = std::max(longestGap, clock.elapsed() - last);
    EXPECT_GE(clock.elapsed(), 1200);
    EXPECT_LT(longestGap, 200);
    EXPECT_EQ(port.wire(), "]]]]]]]]");
}

TEST(TimeLeft, ReadsInTheLargestUnitsThatHelp)
{
    const struct
    {
        std::chrono::milliseconds left;
        const char *text;
    } rows[] = {
            {0ms, "about 1 s"},
            {1400ms, "about 1 s"},
            {59'000ms, "about 59 s"},
            {250'000ms, "about 4 min 10 s"},
            {6'720'000ms, "about 1 h 52 min"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(app::timeLeftText(row.left), row.text) << row.left.count();
}

} // namespace
