// `sketra --send` as a shell runs it: the real program, without a display, against the
// simulated board behind its pseudo-terminal.
#include "board/simulatedboard.h"
#include "sketraprocess.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct SendScriptTest : ::testing::Test
{
    board::SimulatedBoard board;
    QTemporaryDir dir;

    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(board.start(&error)) << error;
        ASSERT_TRUE(dir.isValid());
    }

    QString script(const char *name, const QByteArray &text)
    {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }

    QString port() const
    {
        return QStringLiteral("1=%1").arg(QString::fromStdString(board.devicePath()));
    }
    bool pixel(int x, int y) const { return board.lcdMemory()[(y / 8) * 128 + x] & (1 << (y % 8)); }
};

TEST_F(SendScriptTest, AThreeFrameFileIsAnsweredFrameByFrame)
{
    const QString file = script("three.txt", "]k\n\n]c]402014\r\n]a]00000003\n");
    const SketraRun run = runSketra({"--send", file, "--port", port()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Ready:\nReady:\nffffffffReady:\n");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(pixel(84, 32));
}

TEST_F(SendScriptTest, AMalformedFrameEndsTheRunWithStatusOneNamingItsLine)
{
    const QString file = script("bad.txt", "]k\n]c]12c2014\n]d]4020\n");
    const SketraRun run = runSketra({"--send", file, "--port", port()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Ready:\nError: more characters than the command takes: ]c]12c2014\n");
    EXPECT_EQ(run.err, "sketra: line 2 (]c]12c2014) was refused by the board\n");
    EXPECT_FALSE(pixel(64, 32)); // the line after it was never sent
}

TEST_F(SendScriptTest, ADashReadsTheFramesFromStandardInput)
{
    const SketraRun run
            = runSketra({"--send", "-", "--port", port(), "--delay", "0"}, "]k\n]d]4020\n");
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Ready:\nReady:\n");
    EXPECT_TRUE(pixel(64, 32));
}

// Over SSH or on a console there is no display: what needs no window answers all the same.
TEST_F(SendScriptTest, OptionsAreAnsweredWithoutADisplay)
{
    const struct
    {
        QStringList args;
        int status;
        const char *says;
    } rows[] = {
            {{"--version"}, 0, "Sketra " SKETRA_VERSION},
            {{"--help"}, 0, "--send"},
            {{"--bogus"}, 2, "bogus"},
            {{"--port", "9=/dev/null"}, 2, "--port takes N=DEVICE"},
    };
    for (const auto &row : rows) {
        const SketraRun run = runSketra(row.args);
        EXPECT_EQ(run.status, row.status) << row.args.join(' ').toStdString();
        EXPECT_TRUE((run.out + run.err).contains(row.says)) << (run.out + run.err).toStdString();
    }
}

// A frame far longer than the line's driver holds goes out at full speed, waiting for room.
TEST_F(SendScriptTest, ATwelveKilobyteFrameAtFullSpeedIsAnswered)
{
    QByteArray frame = "]o]00000FFF";
    for (int i = 0; i < 4096; ++i)
        frame += "]" + QByteArray::number(i % 256, 16).rightJustified(2, '0');
    frame += "]";
    const SketraRun run
            = runSketra({"--send", "-", "--port", port(), "--delay", "0"}, frame + "\n");
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Ready:\n");
}

TEST_F(SendScriptTest, UsageAndPortErrorsExitTwo)
{
    const QString file = script("one.txt", "]k\n");
    const QString badPacing = script("pacing.txt", "]k\n# xmitdelay fast\n]k\n");
    const struct
    {
        QStringList args;
        const char *says;
    } rows[] = {
            {{"--send", dir.filePath("missing.txt"), "--port", port()}, "cannot read"},
            {{"--send", file, "--port", "1=/nonexistent/tty"}, "cannot open port 1"},
            {{"--send", "/dev/zero", "--port", port()}, "not from a device"},
            {{"--send", badPacing, "--port", port()},
             "line 2 (# xmitdelay fast) wants a whole number of milliseconds"},
    };
    for (const auto &row : rows) {
        const SketraRun run = runSketra(row.args);
        EXPECT_EQ(run.status, 2) << row.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(row.says)) << run.err.toStdString();
    }
}

} // namespace
