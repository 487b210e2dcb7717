// `send`, the key-press terminal, "C&lear", the receive poll and "Copy".
#include "mainfixture.h"
#include "ui/receivetools.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

TEST_F(MainFixture, SendTransmitsTheTerminalLineWithItsPauses)
{
    open();
    setText("txmText", "]c]402014");
    main.send();
    EXPECT_EQ(port.schedule(), "<20>]c<20>]402014");
    EXPECT_EQ(textOf("txmText"), "]c]402014");
    EXPECT_EQ(status(), "ON");
    EXPECT_TRUE(polling());
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(MainFixture, SendReadsDelayAndWaitCharacterAfreshEachCall)
{
    open();
    setText("txmText", "]k");
    setText("xmitdelay", "35.5");
    main.send();
    setText("waitchr", "");
    main.send();
    EXPECT_EQ(port.schedule(), "<36>]k]k");
}

TEST_F(MainFixture, StatusIsBusyAndThePollOffWhileTransmitting)
{
    open();
    QStringList seen;
    port.onWrite = [&] {
        seen.append(status() + (polling() ? "+poll" : ""));
    };
    setText("txmText", "]c]402014");
    main.send();
    EXPECT_EQ(seen, (QStringList{"Busy", "Busy"}));
    EXPECT_EQ(status(), "ON");
}

TEST_F(MainFixture, ABlankLineIsNothingToSend)
{
    open();
    setText("txmText", "   ");
    main.send();
    EXPECT_EQ(messages.texts, QStringList{"Nothing to send!"});
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(status(), "ON");
    EXPECT_TRUE(polling());
}

TEST_F(MainFixture, WithThePortClosedSendWritesNothingAndLeavesThePollOff)
{
    setText("txmText", "]k");
    main.send();
    setText("txmText", " ");
    main.send();
    EXPECT_EQ(messages.texts, QStringList{"Nothing to send!"});
    EXPECT_FALSE(polling());
}

TEST_F(MainFixture, ARefusedWriteIsReportedAsATransmitFailure)
{
    open();
    port.refuseWritesAfter = 2;
    setText("txmText", "]c]402014");
    main.send();
    EXPECT_EQ(messages.texts, QStringList{"Transmit failed: Input/output error"});
    EXPECT_EQ(port.wire(), "]c");
    EXPECT_EQ(status(), "ON");
    EXPECT_TRUE(polling());
}

TEST_F(MainFixture, ADelayBeyond32BitsSendsNothing)
{
    open();
    setText("txmText", "]k");
    setText("xmitdelay", "1e10");
    main.send();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith("Transmit failed: "))
            << messages.texts[0].toStdString();
    EXPECT_TRUE(port.written.empty());
    EXPECT_TRUE(polling());
}

TEST_F(MainFixture, TheTerminalLineHoldsLongFrames)
{
    open();
    const QString frame = "]m]007f0007" + QString("]ff").repeated(20000);
    main.send(frame);
    EXPECT_EQ(textOf("txmText"), frame);
    EXPECT_EQ(port.wire().size(), static_cast<std::size_t>(frame.size()));
}

TEST_F(MainFixture, TypedCharactersGoStraightToAnOpenPort)
{
    auto *line = find<QLineEdit>("txmText");
    QTest::keyClicks(line, "A");
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(line->text(), "A");

    open();
    line->setText("]");
    QTest::keyClicks(line, "k");
    QTest::keyClick(line, Qt::Key_Return);
    QTest::keyClick(line, Qt::Key_Backspace);
    QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(line, &accented);
    EXPECT_EQ(port.schedule(), "k\r\b\xc3\xa9");
    EXPECT_EQ(status(), "ON");
}

TEST_F(MainFixture, ClearEmptiesBothWindows)
{
    open();
    setText("txmText", "]k");
    receive("data");
    click("cmdClear");
    EXPECT_TRUE(textOf("txmText").isEmpty());
    EXPECT_EQ(receiveWindow()->text(), "");
    EXPECT_TRUE(port.written.empty());
}

TEST_F(MainFixture, ReceivedTextReplacesThePlaceholderThenAppends)
{
    open();
    receive("A\r");
    receive("\nB\n");
    receive("C\rD");
    EXPECT_EQ(receiveWindow()->text(), "A\r\nBC\r\nD");
    EXPECT_EQ(main.receivedText(), "A\r\nBC\r\nD");
}

TEST_F(MainFixture, EveryByteIsOneCharacter)
{
    open();
    receive(QByteArray("x\0y\xa0\xff\x01z", 7));
    EXPECT_EQ(receiveWindow()->text(), QString::fromLatin1("x\0y\xa0\xff\x01z", 7));
}

TEST_F(MainFixture, TheLogTakesTheBytesAsTheyCameBeforeTheLineEndRule)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("board.log"));
    auto *tools = main.findChild<ui::ReceiveTools *>();
    ASSERT_NE(tools, nullptr);
    tools->setLogPathAsker([&](QWidget *) { return path; });
    main.show();
    open();
    tools->logAction()->trigger();
    EXPECT_TRUE(find<QLabel>("logIndicator")->isVisible());
    receive("A\r");
    receive("\nB\n");
    tools->logAction()->trigger();
    EXPECT_FALSE(find<QLabel>("logIndicator")->isVisible());
    receive("C");

    QFile log(path);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), "A\r\nB\n");
    EXPECT_EQ(receiveWindow()->text(), "A\r\nBC"); // the line-end rule applied here only
}

TEST_F(MainFixture, ThePollDoesNotScrollTheWindow)
{
    open();
    main.show();
    receive(QByteArray("line\r").repeated(200));
    auto *bar = receiveWindow()->verticalScrollBar();
    bar->setValue(5);
    receive(QByteArray("more\r").repeated(50));
    EXPECT_EQ(bar->value(), 5);
}

TEST_F(MainFixture, CopyPutsTheWholeTextOnTheClipboard)
{
    QGuiApplication::clipboard()->setText("before");
    receiveWindow()->setText("   ");
    click("Command7");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

    receiveWindow()->setText("  Ready:\r\n ");
    click("Command7");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "  Ready:\r\n ");
    EXPECT_EQ(messages.texts,
              (QStringList{"Nothing to there to copy!", "Text copied to Clipboad"}));
}

TEST_F(MainFixture, CopyOfThePlaceholderCopiesIt)
{
    click("Command7");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Waiting.....");
}

} // namespace
