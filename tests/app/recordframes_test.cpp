// Frames recorded from the window while its pages send them, sent again by `sketra --send`:
// the board shows the same display.
#include "app/boardfixture.h"
#include "app/frameentries.h"
#include "memory/memorywidgets.h"
#include "sketraprocess.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

namespace {

struct RecordFrames : BoardFixture
{
    QTemporaryDir dir;

    void trigger(const char *entry) { main->findChild<QAction *>(QLatin1String(entry))->trigger(); }
    void setBox(const char *name, const QString &text)
    {
        main->findChild<QLineEdit *>(QLatin1String(name))->setText(text);
    }
    QString portArgument() const
    {
        return QStringLiteral("1=%1").arg(QString::fromStdString(board.devicePath()));
    }
};

TEST_F(RecordFrames, ASessionFromThePagesSentAgainDrawsTheSameDisplay)
{
    const QString session = dir.filePath("session.txt");
    main->findChild<app::FrameEntries *>()->setRecordAsker([&](QWidget *) { return session; });
    trigger("recordFrames");

    click("Command1"); // "&Clear LCD"
    click("cmdCirc");
    click("cmdH");
    auto *line = main->findChild<QLineEdit *>(QStringLiteral("txmText"));
    QTest::keyClicks(line, "]d]0505");
    QTest::keyClick(line, Qt::Key_Return);
    // LCD Read/Write at its own pacing: eight columns of one page.
    setBox("txtlcdx1", "100");
    setBox("txtlcdx2", "107");
    setBox("txtlcdy1", "06");
    setBox("txtlcdy2", "06");
    memory::setMemoText(main->findChild<QPlainTextEdit *>(QStringLiteral("txtlcd")),
                        QStringLiteral("ff 81 81 ff 00 ff 81 ff"));
    click("cmdlcdfmt");
    click("cmdwritelcd");
    ASSERT_TRUE(waitForReplies(5)) << main->receivedText().toStdString();
    trigger("recordFrames"); // unticked: the recording ends
    const auto drawn = board.lcdMemory();
    ASSERT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();

    QFile recorded(session);
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    const QByteArray text = recorded.readAll();
    EXPECT_TRUE(text.contains("# xmitdelay 20\n# waitchar ]\n]k\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\n]d]0505\n# xmitdelay 5\n]m]646b0606]ff]81")) << text.toStdString();

    click("cmdCom"); // the window lets go of the port
    const SketraRun cleared = runSketra({"--send", "-", "--port", portArgument()}, "]f]1\n");
    ASSERT_EQ(cleared.status, 0) << cleared.err.toStdString();
    ASSERT_NE(board.lcdMemory(), drawn);
    const SketraRun again = runSketra({"--send", session, "--port", portArgument()});
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(board.lcdMemory(), drawn);
}

} // namespace
