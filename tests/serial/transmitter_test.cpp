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

    void SetUp() override { ASSERT_TRUE(port.open().ok); }

    serial::PortResult send(const char *text, const char *wait = "]", const char *delay = "20")
    {
        return transmitter.transmit(protocol::planTransmission(text, wait, delay).steps);
    }
};

TEST_F(TransmitterTest, PausesBeforeEachCommandKeyOnly)
{
    ASSERT_TRUE(send("]c]402014").ok);
    EXPECT_EQ(port.schedule(), "<20>]c<20>]402014");
}

TEST_F(TransmitterTest, DrainsTheWireBeforeEveryPause)
{
    ASSERT_TRUE(send("]h]0120]A]@").ok);
    EXPECT_EQ(port.drains, 4);
    EXPECT_EQ(port.schedule(), "<20>]h<20>]0120<20>]A<20>]@");
}

TEST_F(TransmitterTest, NoPausesWithoutAWaitCharacterOrDelay)
{
    ASSERT_TRUE(send("]c]402014", "").ok);
    ASSERT_TRUE(send("]k", "]", "0").ok);
    EXPECT_EQ(port.schedule(), "]c]402014]k");
    EXPECT_EQ(port.drains, 0);
}

TEST_F(TransmitterTest, StopsAtTheFirstRefusedWriteKeepingWhatWentBefore)
{
    port.refuseWritesAfter = 3;
    const auto result = send("]c]402014");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "Input/output error");
    EXPECT_EQ(port.wire(), "]c]");
}

} // namespace
