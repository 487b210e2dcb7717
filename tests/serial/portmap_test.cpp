#include "serial/portmap.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

TEST(PortMap, ListsAdaptersAndTheSerialPortsWithAUartFromTheKernelsTtyFolder)
{
    // Each entry of the tty folder with the attribute files that decide it.
    const struct
    {
        const char *name;
        const char *type; // the UART type file's text; nullptr for no file
        bool device;      // a device link (a driver without the type attribute)
        bool listed;
    } rows[] = {
            {"ttyUSB3", nullptr, true, true}, {"ttyACM0", nullptr, true, true},
            {"ttyS0", "4\n", true, true},     {"ttyS1", "0\n", true, false},
            {"ttyS2", nullptr, true, true},   {"ttyS3", nullptr, false, false},
            {"tty5", nullptr, false, false},  {"ttyAMA0", "4\n", true, false},
            {"ttySAC0", "4\n", true, false},  {"ttyUSBx", nullptr, true, false},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QStringList expected;
    for (const auto &row : rows) {
        QDir entry(folder.filePath(row.name));
        ASSERT_TRUE(entry.mkpath(QStringLiteral("."))) << row.name;
        if (row.device)
            entry.mkdir(QStringLiteral("device"));
        if (row.type) {
            QFile type(entry.filePath(QStringLiteral("type")));
            ASSERT_TRUE(type.open(QIODevice::WriteOnly));
            type.write(row.type);
        }
        if (row.listed)
            expected.append(QStringLiteral("/dev/") + QLatin1String(row.name));
    }
    QStringList listed = serial::PortMap::devicesListed(folder.path());
    listed.sort();
    expected.sort();
    EXPECT_EQ(listed, expected);
    EXPECT_TRUE(serial::PortMap::devicesListed(folder.filePath("missing")).isEmpty());
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
