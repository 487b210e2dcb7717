// The script runner on a fake port and clock: what reaches the wire, what is printed, and the
// exit status.
#include "app/scriptrunner.h"
#include "serial/boardconnection.h"
#include "support/fakeport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using app::ScriptFrame;

// The frames of a script as its lines arrive, a few bytes at a time as from a pipe.
std::vector<ScriptFrame> framesOf(std::string text)
{
    app::ScriptSource source([&](char *buffer, std::size_t size) {
        const std::size_t taken = std::min<std::size_t>({size, 3, text.size()});
        text.copy(buffer, taken);
        text.erase(0, taken);
        return static_cast<long>(taken);
    });
    std::vector<ScriptFrame> frames;
    for (ScriptFrame frame; source.next(frame) == app::ScriptSource::Next::Frame;)
        frames.push_back(frame);
    return frames;
}

TEST(ScriptSource, GivesTheNonBlankLinesWithTheirNumbers)
{
    const std::vector<ScriptFrame> expected
            = {{1, "]k"}, {3, "]c]402014"}, {5, "]d]4020"}, {6, "]e"}, {7, "]f"}};
    EXPECT_EQ(framesOf("]k\r\n\r\n  ]c]402014 \t\n \n]d]4020\n]e\r]f"), expected);
    EXPECT_TRUE(framesOf("\n \r\n").empty());
}

struct ScriptRunnerTest : ::testing::Test
{
    testing_support::FakeClock clock;
    testing_support::FakePort port{clock};
    serial::BoardConnection connection{port, clock};
    std::ostringstream out, err;
    app::ScriptRunner runner{connection, out, err};
    const std::vector<ScriptFrame> three = {{1, "]k"}, {2, "]c]402014"}, {4, "]d]4020"}};
};

TEST_F(ScriptRunnerTest, ExitsNaughtWhenEveryFrameWasAnsweredAndPrintsTheAnswers)
{
    port.incoming = "Ready:\rffReady:\r\nReady:\r";
    EXPECT_EQ(runner.run(three, {}), 0);
    EXPECT_EQ(port.wire(), "]k]c]402014]d]4020");
    EXPECT_EQ(out.str(), "Ready:\nffReady:\nReady:\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_FALSE(port.isOpen());
}

TEST_F(ScriptRunnerTest, ExitsOneNamingTheFirstLineNotAnsweredAndSendsNothingAfterIt)
{
    const struct
    {
        const char *incoming;
        const char *wire;
        const char *says;
    } rows[] = {
            {"Ready:\rError: expected a hex digit: ]c]402014\r", "]k]c]402014",
             "sketra: line 2 (]c]402014) was refused by the board\n"},
            {"Ready:\rReady:\r", "]k]c]402014]d]4020",
             "sketra: line 4 (]d]4020) was not answered: no \"Ready:\" within 5000 ms\n"},
            {"Ready:\rReady", "]k]c]402014",
             "sketra: line 2 (]c]402014) was not answered: no \"Ready:\" within 5000 ms\n"},
    };
    for (const auto &row : rows) {
        testing_support::FakeClock fakeClock;
        testing_support::FakePort fakePort{fakeClock};
        serial::BoardConnection fakeConnection{fakePort, fakeClock};
        std::ostringstream printed, reasons;
        app::ScriptRunner script(fakeConnection, printed, reasons);
        fakePort.incoming = row.incoming;
        EXPECT_EQ(script.run(three, {}), 1) << row.incoming;
        EXPECT_EQ(fakePort.wire(), row.wire);
        EXPECT_EQ(reasons.str(), row.says);
        EXPECT_TRUE(printed.str().ends_with("\n")) << printed.str();
    }
}

TEST_F(ScriptRunnerTest, WaitsForTheTimeoutOfQuietAfterTheFrame)
{
    EXPECT_EQ(runner.run({{1, "]k"}}, {20, "]", std::chrono::milliseconds(300)}), 1);
    EXPECT_GE(clock.elapsed().count(), 320);
    EXPECT_LT(clock.elapsed().count(), 340);
}

TEST_F(ScriptRunnerTest, PacesEachFrameAsSendDoes)
{
    port.incoming = "Ready:\r";
    EXPECT_EQ(runner.run({{1, "]c]402014"}}, {35, "]", std::chrono::milliseconds(300)}), 0);
    EXPECT_EQ(port.schedule(), "<35>]c<35>]402014");
}

TEST_F(ScriptRunnerTest, ExitsTwoWhenThePortCannotOpenOrRefusesAWrite)
{
    port.openResult = serial::PortResult::failure("/dev/ttyUSB0: Permission denied",
                                                  "Add your user to the group dialout.");
    port.setPortNumber(3);
    EXPECT_EQ(runner.run(three, {}), 2);
    EXPECT_EQ(err.str(), "sketra: cannot open port 3: /dev/ttyUSB0: Permission denied\n"
                         "Add your user to the group dialout.\n");
    EXPECT_TRUE(port.written.empty());

    testing_support::FakePort refusing{clock};
    refusing.refuseWritesAfter = 4;
    serial::BoardConnection refusingConnection{refusing, clock};
    std::ostringstream reasons;
    app::ScriptRunner script(refusingConnection, out, reasons);
    refusing.incoming = "Ready:\r";
    EXPECT_EQ(script.run(three, {}), 2);
    EXPECT_EQ(reasons.str(),
              "sketra: line 2 (]c]402014): the port refused a write: Input/output error\n");
}

// Neither a line that stops taking characters nor a board that never stops talking holds a run
// for ever, and what is quoted of a frame or an error line fits a terminal.
TEST_F(ScriptRunnerTest, EndsWhenTheLineStallsOrTheBoardNeverFinishes)
{
    const std::string frame = "]o]0000" + std::string(200, '1') + "\x1b";
    port.fullAfter = 100;
    EXPECT_EQ(runner.run({{7, frame}}, {0, "", std::chrono::milliseconds(300)}), 1);
    EXPECT_EQ(err.str(), "sketra: line 7 (]o]0000" + std::string(53, '1')
                                 + "... (208 characters)): the board stopped taking characters "
                                   "after 100 of 208\n");

    testing_support::FakeClock chatterClock;
    testing_support::FakePort chatter{chatterClock};
    chatter.incoming = "Error: ";
    chatter.onRead = [&] {
        chatter.incoming += "]k";
    };
    serial::BoardConnection chatterConnection{chatter, chatterClock};
    std::ostringstream printed, reasons;
    app::ScriptRunner script(chatterConnection, printed, reasons);
    EXPECT_EQ(script.run({{1, "]k"}}, {}), 1);
    EXPECT_EQ(reasons.str(), "sketra: line 1 (]k) was not answered: the board went on sending "
                             "without a \"Ready:\"\n");
    EXPECT_LT(chatterClock.elapsed(), std::chrono::seconds(60));
    EXPECT_LT(printed.str().size(), 300u); // the endless error line, cut to a readable length
}

TEST(Printable, EscapesControlBytesAndCutsLongText)
{
    EXPECT_EQ(app::printable("]k\r\x1b[2J", 60), "]k\\x0d\\x1b[2J");
    EXPECT_EQ(app::printable("abcdef", 3), "abc... (6 characters)");
}

} // namespace
