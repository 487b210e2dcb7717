#include "app/options.h"

#include <gtest/gtest.h>

namespace {

app::Options parse(QStringList arguments)
{
    arguments.prepend("sketra");
    return app::parseOptions(arguments);
}

TEST(Options, NoneMeansThePlainProgram)
{
    const auto options = parse({});
    EXPECT_FALSE(options.exitNow);
    EXPECT_FALSE(options.simulate);
    EXPECT_TRUE(options.ports.isEmpty());
}

TEST(Options, PortOverridesAreRepeatable)
{
    const auto options = parse({"--port", "1=/dev/pts/4", "--port=3=/tmp/a=b", "--simulate"});
    EXPECT_FALSE(options.exitNow);
    EXPECT_TRUE(options.simulate);
    EXPECT_EQ(options.ports.value(1), "/dev/pts/4");
    EXPECT_EQ(options.ports.value(3), "/tmp/a=b");
}

TEST(Options, BoardTimingImpliesASimulatedBoard)
{
    const auto options = parse({"--board-timing"});
    EXPECT_TRUE(options.simulate);
    EXPECT_TRUE(options.boardTiming);
    EXPECT_FALSE(parse({"--simulate"}).boardTiming);
}

TEST(Options, HelpVersionAndMistakesEndTheProgram)
{
    const struct
    {
        QStringList args;
        int exitCode;
        const char *says;
    } rows[] = {
            {{"--help"}, 0, "--port"},
            {{"--version"}, 0, "Sketra " SKETRA_VERSION},
            {{"--port", "5=/dev/x"}, 2, "N from 1 to 4"},
            {{"--port", "1"}, 2, "N from 1 to 4"},
            {{"--port", "1=/a", "--port", "1=/b"}, 2, "--port 1 is given twice"},
            {{"--bogus"}, 2, "bogus"},
            {{"stray"}, 2, "stray"},
    };
    for (const auto &row : rows) {
        const auto options = parse(row.args);
        EXPECT_TRUE(options.exitNow) << row.args.join(' ').toStdString();
        EXPECT_EQ(options.exitCode, row.exitCode) << row.args.join(' ').toStdString();
        EXPECT_TRUE(options.output.contains(row.says)) << options.output.toStdString();
    }
}

} // namespace

namespace {

TEST(Options, SendTakesItsPacingAndOnePort)
{
    const auto plain = parse({"--send", "frames.txt"});
    EXPECT_FALSE(plain.exitNow);
    EXPECT_EQ(plain.sendFile, "frames.txt");
    EXPECT_EQ(plain.settings, "19200,n,8,1");
    EXPECT_EQ(plain.delayMs, 20);
    EXPECT_EQ(plain.waitChar, "]");
    EXPECT_EQ(plain.timeoutMs, 5000);

    const auto set = parse({"--send=-", "--port", "2=/dev/pts/9", "--settings", "9600,e,7,2",
                            "--delay", "200", "--wait-char", "", "--timeout", "800"});
    EXPECT_FALSE(set.exitNow) << set.output.toStdString();
    EXPECT_EQ(set.sendFile, "-");
    EXPECT_EQ(set.ports.value(2), "/dev/pts/9");
    EXPECT_EQ(set.settings, "9600,e,7,2");
    EXPECT_EQ(set.delayMs, 200);
    EXPECT_EQ(set.waitChar, "");
    EXPECT_EQ(set.timeoutMs, 800);
}

TEST(Options, SendAndCheckMistakesAreUsageErrors)
{
    const struct
    {
        QStringList args;
        const char *says;
    } rows[] = {
            {{"--send"}, "Missing value after '--send'"},
            {{"--send", ""}, "--send takes a file to read, or \"-\" for standard input"},
            {{"--check-board", "--report", ""}, "--report takes a folder"},
            {{"--settings", "9600,n,8,1"},
             "--settings goes with --send, --check-board or --find-pacing"},
            {{"--delay", "5"}, "--delay goes with --send or --check-board\n"},
            {{"--wait-char", "]"}, "--wait-char goes with --send\n"},
            {{"--timeout", "5"}, "--timeout goes with --send, --check-board or --find-pacing"},
            {{"--send", "f", "--simulate"}, "--send does not take --simulate"},
            {{"--send", "f", "--port", "1=/a", "--port", "2=/b"}, "give --port once"},
            {{"--send", "f", "--settings", "fast"}, "not \"fast\""},
            {{"--send", "f", "--delay", "-1"},
             "--delay takes a whole number of milliseconds "
             "from 0 up, not \"-1\""},
            {{"--send", "f", "--delay", "x"}, "not \"x\""},
            {{"--send", "f", "--timeout", "0"},
             "--timeout takes a whole number of milliseconds "
             "from 1 up, not \"0\""},
            {{"--send", "f", "--wait-char", "]]"}, "one character or none"},
            {{"--report", "out"}, "--report goes with --check-board or --find-pacing"},
            {{"--send", "f", "--check-board"}, "--send does not go with --check-board"},
            {{"--find-pacing", "--delay", "5"}, "--delay does not go with --find-pacing"},
            {{"--check-board", "--simulate"}, "--check-board does not take --simulate"},
    };
    for (const auto &row : rows) {
        const auto options = parse(row.args);
        EXPECT_TRUE(options.exitNow) << row.args.join(' ').toStdString();
        EXPECT_EQ(options.exitCode, 2) << row.args.join(' ').toStdString();
        EXPECT_TRUE(options.output.contains(row.says)) << options.output.toStdString();
    }
    EXPECT_TRUE(parse({"--help"}).output.contains("--send <FILE>"));
}

} // namespace
