#include "protocol/transmission.h"
#include "serial/transmitter.h"
#include "support/fakeport.h"

#include <gtest/gtest.h>

namespace {

using testing_support::FakeClock;
using testing_support::FakePort;

struct TransmitterTest : ::testing::Test
{
    FakeClock clock;
    FakePort port{clock};
    serial::Transmitter transmitter{port, clock};

    void SetUp() override
    {
        port.setSettings("19200,n,8,1");
        ASSERT_TRUE(port.open().ok);
    }

    serial::TransmitResult send(const char *text, const char *wait = "]", const char *delay = "20")
    {
        return transmitter.transmit(protocol::planTransmission(text, wait, delay).steps);
    }
};

TEST_F(TransmitterTest, PausesBeforeEachCommandKeyOnly)
{
    ASSERT_TRUE(send("]c]402014").ok());
    EXPECT_EQ(port.schedule(), "<20>]c<20>]402014");
}

TEST_F(TransmitterTest, DrainsTheWireBeforeEveryPause)
{
    ASSERT_TRUE(send("]h]0120]A]@").ok());
    EXPECT_EQ(port.drains, 4);
    EXPECT_EQ(port.schedule(), "<20>]h<20>]0120<20>]A<20>]@");
}

// A pseudo-terminal or a USB adapter reports the bytes drained while they are still on the
// line; a UART only once they are through. Either way the quiet the board sees is the whole
// delay, and no more.
TEST_F(TransmitterTest, ThePauseStartsOnceTheLastByteIsThroughTheLine)
{
    const struct
    {
        const char *settings;
        bool drainWaits;
    } rows[] = {
            {"600,n,8,1", false},   {"600,n,8,1", true},   {"1200,e,7,2", false},
            {"56000,n,8,1", false}, {"56000,n,8,1", true},
    };
    for (const auto &row : rows) {
        FakeClock rowClock;
        FakePort rowPort{rowClock};
        rowPort.setSettings(row.settings);
        rowPort.drainWaits = row.drainWaits;
        ASSERT_TRUE(rowPort.open().ok);
        serial::Transmitter rowTransmitter{rowPort, rowClock};
        const auto steps = protocol::planTransmission("]c]402014", "]", "20").steps;
        ASSERT_TRUE(rowTransmitter.transmit(steps).ok());
        // Bytes still on the line from the first transmission delay the next one's pause too.
        ASSERT_TRUE(rowTransmitter.transmit(steps).ok());
        EXPECT_EQ(rowPort.schedule(), "<20>]c<20>]402014<20>]c<20>]402014")
                << row.settings << (row.drainWaits ? " draining" : "");
    }
}

TEST_F(TransmitterTest, NoPausesWithoutAWaitCharacterOrDelay)
{
    ASSERT_TRUE(send("]c]402014", "").ok());
    ASSERT_TRUE(send("]k", "]", "0").ok());
    EXPECT_EQ(port.schedule(), "]c]402014]k");
    EXPECT_EQ(port.drains, 0);
}

TEST_F(TransmitterTest, StopsAtTheFirstRefusedWriteKeepingWhatWentBefore)
{
    port.refuseWritesAfter = 3;
    const auto result = send("]c]402014");
    EXPECT_EQ(result.end, serial::TransmitResult::End::Failed);
    EXPECT_EQ(result.failure.reason, "Input/output error");
    EXPECT_EQ(port.wire(), "]c]");
}

TEST_F(TransmitterTest, AFailedDrainEndsItBeforeTheCharacterAfterIt)
{
    port.drainResult = serial::PortResult::failure("Input/output error");
    const auto result = send("ab]c");
    EXPECT_EQ(result.failure.reason, "Input/output error");
    EXPECT_EQ(port.wire(), "ab");
}

// A driver that is full waits for room; only a line that takes nothing for five seconds ends
// the transmission, and the count says how far it came.
TEST_F(TransmitterTest, AFullDriverIsWaitedForUntilTheLineStallsForFiveSeconds)
{
    port.fullAfter = 4;
    const auto result = send("]c]402014", "", "0");
    EXPECT_EQ(result.end, serial::TransmitResult::End::Stalled);
    EXPECT_EQ(result.sent, 4u);
    EXPECT_GE(clock.elapsed(), serial::Transmitter::stallLimit);
    EXPECT_LT(clock.elapsed(), serial::Transmitter::stallLimit + std::chrono::milliseconds(100));
}

// A watch that notes when it was given time, and can ask to stop at a given breath.
struct RecordingWatch final : serial::TransmitWatch
{
    explicit RecordingWatch(FakeClock &c)
        : clock(c)
    {}
    void advanced(std::size_t characters, std::int32_t pausedMs) override
    {
        sent += characters;
        paused += pausedMs;
    }
    bool breathe() override
    {
        breaths.push_back(clock.sinceStart());
        return static_cast<int>(breaths.size()) != stopAt;
    }

    FakeClock &clock;
    std::vector<std::chrono::nanoseconds> breaths;
    std::size_t sent = 0;
    std::int64_t paused = 0;
    int stopAt = -1;
};

TEST_F(TransmitterTest, BreathsNeverTouchTheEndOfAPause)
{
    RecordingWatch watch(clock);
    port.setSettings("19200,n,8,1");
    const auto plan = protocol::planTransmission("]c]402014", "]", "200");
    ASSERT_TRUE(transmitter.transmit(plan.steps, &watch).ok());
    EXPECT_EQ(port.schedule(), "<200>]c<200>]402014");
    ASSERT_FALSE(watch.breaths.empty());
    // A breath either follows a write or ends well before the next one.
    for (auto at : watch.breaths) {
        for (const auto &[byteAt, byte] : port.written) {
            if (byteAt > at) {
                EXPECT_GE(byteAt - at, serial::Transmitter::breathMargin) << at.count() << byte;
            }
        }
    }
    EXPECT_EQ(watch.sent, 9u);
    EXPECT_EQ(watch.paused, 400);
}

TEST_F(TransmitterTest, AWatchThatAsksToStopEndsItInsideThePause)
{
    RecordingWatch watch(clock);
    watch.stopAt = 12; // in the second pause
    const auto plan = protocol::planTransmission("]c]402014", "]", "200");
    EXPECT_EQ(transmitter.transmit(plan.steps, &watch).end, serial::TransmitResult::End::Stopped);
    EXPECT_EQ(port.wire(), "]c");
    EXPECT_LT(clock.elapsed().count(), 400);
}

TEST_F(TransmitterTest, ALongRunWithoutPausesGoesOutInPiecesEachSentBeforeTheNext)
{
    RecordingWatch watch(clock);
    port.setSettings("600,n,8,1"); // 60 characters a second: pieces of 3
    std::vector<std::size_t> writes;
    port.onWrite = [&] {
        writes.push_back(port.written.size());
    };
    ASSERT_TRUE(transmitter.transmit(protocol::planTransmission("0123456", "", "0").steps, &watch)
                        .ok());
    EXPECT_EQ(port.wire(), "0123456");
    EXPECT_EQ(writes, (std::vector<std::size_t>{0, 3, 6}));
    EXPECT_EQ(port.drains, 2);
}

} // namespace
