#include "serial/portmap.h"

#include <gtest/gtest.h>

namespace {

TEST(PortMap, NumbersUsbAdaptersFirstThenTheReportedSerialPorts)
{
    const struct
    {
        const char *why;
        QStringList found;
        QStringList expected;
    } rows[] = {
            {"nothing found: ttyS by number",
             {},
             {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"}},
            {"USB before ACM before S, each by number",
             {"/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyUSB10", "/dev/ttyUSB2"},
             {"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyS0"}},
            {"left-over numbers are ttyS<N-1>",
             {"/dev/ttyUSB0"},
             {"/dev/ttyUSB0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"}},
            {"other devices and duplicates are not numbered",
             {"/dev/ttyAMA0", "/dev/ttyS4", "/dev/ttyS4", "/dev/ttyUSBx"},
             {"/dev/ttyS4", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"}},
    };
    for (const auto &row : rows) {
        const serial::PortMap map(row.found);
        QStringList devices;
        for (int number = 1; number <= serial::PortMap::count; ++number)
            devices.append(map.device(number));
        EXPECT_EQ(devices, row.expected) << row.why;
    }
}

TEST(PortMap, AnOverrideTakesAnyPath)
{
    serial::PortMap map;
    map.assign(1, "/dev/pts/7");
    map.assign(5, "/dev/ignored");
    EXPECT_EQ(map.device(1), "/dev/pts/7");
    EXPECT_EQ(map.device(2), "/dev/ttyS1");
    EXPECT_TRUE(map.device(5).isEmpty());
}

} // namespace
