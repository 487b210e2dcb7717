// The memory pages end to end: the real main window and its Qt port, a pseudo-terminal, and
// the simulated board, driven through the pages' own boxes and buttons with mouse and keys.
#include "app/boardfixture.h"
#include "memory/memorywidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

struct MemoryRoundTrip : BoardFixture
{
    // Focus moves under the mouse and with Tab only in the active window.
    void SetUp() override
    {
        BoardFixture::SetUp();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // Clicks into a box, replaces what it holds (four characters at most) by typing, and leaves
    // it with Tab.
    void type(const char *name, const char *keys)
    {
        auto *box = main->findChild<QWidget *>(QLatin1String(name));
        bringPageToFront(box);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_End);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
        if (qobject_cast<QLineEdit *>(box))
            QTest::keyClick(box, Qt::Key_Tab);
    }

    QString memo(const char *name)
    {
        return memory::memoText(main->findChild<QPlainTextEdit *>(QLatin1String(name)));
    }

    // Clicks into a result box once the board has answered, as the page asks a person to.
    void collectInto(const char *name)
    {
        EXPECT_TRUE(waitForReplies(1)) << main->receivedText().toStdString();
        QTest::mouseClick(main->findChild<QPlainTextEdit *>(QLatin1String(name))->viewport(),
                          Qt::LeftButton);
    }

    void sendAndWait(const char *button)
    {
        main->clearReceived();
        click(button);
        EXPECT_TRUE(waitForReplies(1)) << main->receivedText().toStdString();
    }

    // Writes hex text to one EEPROM from the write page, then reads the range back.
    QString writeThenRead(const char *writeOption, const char *readOption, const char *start,
                          const char *count, const char *hexText)
    {
        click(writeOption);
        type("txtewaddr", start);
        type("txtewrite", hexText);
        click("cmdechk");
        EXPECT_EQ(main->transmitDelay(), "200");
        sendAndWait("cmdewrite");
        EXPECT_EQ(main->transmitDelay(), "20");

        click(readOption);
        type("txteraddr", start);
        type("txtebytes", count);
        click("cmderead");
        collectInto("txteread");
        return memo("txteread");
    }
};

TEST_F(MemoryRoundTrip, BytesWrittenToTheExternalEepromReadBackIdentical)
{
    EXPECT_EQ(writeThenRead("optWeep1", "optxeep1", "300", "5", "DE AD be ef 01"), "deadbeef01");
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

TEST_F(MemoryRoundTrip, BytesWrittenToTheInternalEepromReadBackIdentical)
{
    EXPECT_EQ(writeThenRead("optweep2", "optxeep2", "250", "6", "0011223344ff"), "0011223344ff");
    // The external one at the same addresses is untouched.
    click("optxeep1");
    click("cmderead");
    collectInto("txteread");
    EXPECT_EQ(memo("txteread"), "ffffffffffff");
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// At full speed the line's driver fills up again and again: the transmission waits for room
// instead of taking the port for lost, and every byte arrives.
TEST_F(MemoryRoundTrip, AWholeEepromWrittenAtFullSpeedReadsBackEqual)
{
    QString hex;
    for (int i = 0; i < 32768; ++i)
        hex += QString::asprintf("%02x", (i * 7 + 3) & 0xff);
    click("optWeep1");
    type("txtewaddr", "0");
    memory::setMemoText(main->findChild<QPlainTextEdit *>(QStringLiteral("txtewrite")), hex);
    click("cmdechk");
    main->setTransmitDelay("0");
    main->findChild<QLineEdit *>(QStringLiteral("waitchr"))->setText(QString());
    sendAndWait("cmdewrite");

    main->clearReceived();
    main->send(QStringLiteral("]a]00007FFF"));
    EXPECT_TRUE(
            QTest::qWaitFor([&] { return main->receivedText().endsWith("Ready:\r\n"); }, 60000));
    EXPECT_EQ(main->receivedText(), hex + "Ready:\r\n");
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

TEST_F(MemoryRoundTrip, ADisplayCopiedClearedAndWrittenBackIsAsItWas)
{
    sendAndWait("Command1");
    main->clearReceived();
    main->send(QStringLiteral("]c]402014"));
    EXPECT_TRUE(waitForReplies(1));
    const board::LcdMemory before = board.lcdMemory();

    // The circle lies within columns 44 to 84 and pages 1 to 6.
    type("txtlcdx1", "40");
    type("txtlcdx2", "89");
    type("txtlcdy1", "1");
    type("txtlcdy2", "6");
    click("cmdlcdread");
    collectInto("txtlcd");
    EXPECT_EQ(memo("txtlcd").size(), 50 * 6 * 2);
    click("cdmlcdcopy");

    sendAndWait("Command1");
    ASSERT_NE(board.lcdMemory(), before);

    click("cmdlcdfmt");
    EXPECT_EQ(main->findChild<QLabel *>(QLatin1String("xybytes"))->text(), "0300");
    EXPECT_EQ(main->transmitDelay(), "5");
    sendAndWait("cmdwritelcd");
    EXPECT_EQ(board.lcdMemory(), before);
    EXPECT_EQ(messages.texts, QStringList{"Text copied to Clipboad"});
}

} // namespace
