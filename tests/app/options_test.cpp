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
            {{"--version"}, 0, "Sketra 1.3.1"},
            {{"--port", "5=/dev/x"}, 2, "N from 1 to 4"},
            {{"--port", "1"}, 2, "N from 1 to 4"},
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
