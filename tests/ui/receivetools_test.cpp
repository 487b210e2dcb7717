// The receive window's tools: the log, the hex view and the context menu that holds them.
#include "support/filesizelimit.h"
#include "support/recordingmessages.h"
#include "ui/hexwindow.h"
#include "ui/receivelog.h"
#include "ui/receivetools.h"
#include "ui/receivewindow.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

TEST(ReceiveLog, BytesSurviveAKilledProgram)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("received.log"));
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier\n");
    earlier.close();

    // Killed outright: no destructor, no flush at exit gets a chance to save the log.
    EXPECT_EXIT(
            {
                testing_support::RecordingMessages messages;
                ui::ReceiveLog log(messages);
                if (log.start(path)) {
                    log.takeBytes(QByteArray("Ready:\r\n"));
                    log.takeBytes(QByteArray("\x00\xff\r", 3));
                }
                kill(getpid(), SIGKILL);
            },
            testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(contents(path), QByteArray("earlier\nReady:\r\n\x00\xff\r", 19));
}

// A file that may grow no further stands for a full disk.
TEST(ReceiveLog, AFailedWriteStopsTheLogWithOneMessage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("received.log"));
    testing_support::RecordingMessages messages;
    ui::ReceiveLog log(messages);
    QStringList switches;
    QObject::connect(&log, &ui::ReceiveLog::switched,
                     [&](const QString &file) { switches.append(file); });
    bool started = false;
    {
        const testing_support::FileSizeLimit full(8);
        ASSERT_TRUE(full.isSet());
        started = log.start(path);
        log.takeBytes("Ready:\r\n");
        log.takeBytes("Ready:\r\n");
        log.takeBytes("Ready:\r\n");
    }

    EXPECT_TRUE(started);
    EXPECT_FALSE(log.isOn());
    EXPECT_EQ(switches, QStringList({path, QString()}));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts.front().startsWith(QLatin1String("Logging stopped")))
            << messages.texts.front().toStdString();
}

TEST(HexWindow, RowsFollowTheBytesAndKeepTheLastWholeRows)
{
    const struct
    {
        const char *proves;
        QList<QByteArray> chunks;
        qsizetype limit;
        QString rows;
    } cases[] = {
            {"a short row pads its hex, so the ASCII column stays put",
             {"Ready:\r\n"},
             1024,
             "00000000  52 65 61 64 79 3a 0d 0a                           |Ready:..|"},
            {"a row that grows is written again; the next row starts at offset 0x10",
             {"Error: 1", "2 bad frame", "\x7f\x80 "},
             1024,
             "00000000  45 72 72 6f 72 3a 20 31  32 20 62 61 64 20 66 72  |Error: 12 bad fr|\n"
             "00000010  61 6d 65 7f 80 20                                 |ame.. |"},
            {"past the limit whole rows go from the front, offsets count on",
             {QByteArray(16, 'a'), QByteArray(16, 'b'), "cc"},
             32,
             "00000010  62 62 62 62 62 62 62 62  62 62 62 62 62 62 62 62  |bbbbbbbbbbbbbbbb|\n"
             "00000020  63 63                                             |cc|"},
            {"more than the limit at once keeps only the last rows",
             {"ab", QByteArray(60, '\0') + "xyz"},
             32,
             "00000030  00 00 00 00 00 00 00 00  00 00 00 00 00 00 78 79  |..............xy|\n"
             "00000040  7a                                                |z|"},
    };
    for (const auto &row : cases) {
        // Bytes before the window opens are kept and shown; the rest follow while it is open.
        ui::HexWindow window(nullptr, row.limit);
        window.takeBytes(row.chunks.front());
        window.show();
        for (qsizetype i = 1; i < row.chunks.size(); ++i)
            window.takeBytes(row.chunks[i]);
        EXPECT_EQ(window.text(), row.rows) << row.proves;
    }
}

TEST(ReceiveTools, MenuAddsTheToolsBelowQtsOwnAndSavesTheTextAsReceived)
{
    testing_support::RecordingMessages messages;
    ui::ReceiveWindow window;
    ui::ReceiveTools tools(&window, messages);
    window.appendReceived("Ready:\r\n\xe9");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("received.txt"));
    tools.setTextPathAsker([&](QWidget *) { return path; });

    std::unique_ptr<QMenu> menu(tools.menu({0, 0}));
    QStringList entries;
    for (QAction *action : menu->actions())
        entries.append(action->text());
    ASSERT_GT(entries.size(), 4) << "Qt's own entries come first";
    EXPECT_TRUE(menu->actions()[entries.size() - 4]->isSeparator());
    EXPECT_EQ(entries.mid(entries.size() - 3),
              QStringList({"Save Received Text As...", "Log to File...", "Show Bytes as Hex..."}));
    EXPECT_TRUE(tools.logAction()->isCheckable());

    tools.saveAction()->trigger();
    EXPECT_EQ(contents(path), "Ready:\r\n\xe9");
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

} // namespace
