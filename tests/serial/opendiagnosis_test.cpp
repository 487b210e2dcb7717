// Why a port did not open, in words a person can act on.
#include "serial/linerate.h"
#include "serial/opendiagnosis.h"
#include "serial/qtserialport.h"
#include "support/ptypeer.h"

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using testing_support::PtyPeer;

serial::PortResult openOn(const QString &device)
{
    serial::PortMap map;
    map.assign(2, device);
    serial::QtSerialPort port(map);
    port.setPortNumber(2);
    return port.open();
}

// The failures a person meets, on real devices; permission and sole use cannot be had as
// the root user the tests run as, so those go through the facts below.
TEST(OpenFailure, EachRealCauseIsNamedWithWhatToDo)
{
    QTemporaryDir scratch;
    const QString plainFile = scratch.filePath("notes.txt");
    QFile file(plainFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const struct
    {
        QString device;
        const char *reason;
        const char *fix;
    } rows[] = {
            {"/dev/does-not-exist", "does not exist", "Plug the adapter in"},
            {"/dev/null", "is not a serial device", "Choose the port the board is on"},
            {plainFile, "is not a serial device", "Choose the port the board is on"},
            {scratch.path(), "is not a serial device", "Choose the port the board is on"},
    };
    for (const auto &row : rows) {
        const auto opened = openOn(row.device);
        EXPECT_FALSE(opened.ok);
        EXPECT_TRUE(opened.reason.startsWith(row.device + " " + row.reason))
                << opened.reason.toStdString();
        EXPECT_TRUE(opened.fix.startsWith(row.fix)) << opened.fix.toStdString();
    }
}

TEST(OpenFailure, APortHeldByAnotherProgramNamesIt)
{
    PtyPeer peer;
    ASSERT_TRUE(peer.ok());
    const QString device = QString::fromStdString(peer.devicePath());
    serial::PortMap map;
    map.assign(1, device);
    serial::QtSerialPort holder(map);
    ASSERT_TRUE(holder.open().ok);

    QFile comm(QStringLiteral("/proc/self/comm"));
    ASSERT_TRUE(comm.open(QIODevice::ReadOnly));
    const QString us = QStringLiteral("%1 (process %2)")
                               .arg(QString::fromLocal8Bit(comm.readAll().trimmed()))
                               .arg(::getpid());
    EXPECT_EQ(serial::lockHolder(device), us);
    const auto opened = openOn(device);
    EXPECT_FALSE(opened.ok);
    EXPECT_EQ(opened.reason, device + " is held by another program: " + us + ".");
    EXPECT_EQ(opened.fix, "Close that program, then press Open again.");

    holder.close();
    EXPECT_TRUE(serial::lockHolder(device).isEmpty());
    EXPECT_TRUE(openOn(device).ok);
}

TEST(OpenFailure, PermissionAndSoleUseAreToldApart)
{
    serial::DeviceFacts denied;
    denied.accessible = false;
    denied.owningGroup = "dialout";
    denied.groupMayReadWrite = true;
    const auto permission = serial::explainOpenFailure("/dev/ttyUSB0", QSerialPort::PermissionError,
                                                       "Permission denied", denied);
    EXPECT_EQ(permission.reason, "/dev/ttyUSB0: permission denied.");
    EXPECT_EQ(permission.fix,
              "Add your user to the group that owns the device (dialout), then log in again.");

    // crw------- root root, or a group that may not write: no group would help.
    const std::pair<const char *, bool> useless[]
            = {{"root", true}, {"dialout", false}, {"", true}};
    for (const auto &[group, mayReadWrite] : useless) {
        denied.owningGroup = group;
        denied.groupMayReadWrite = mayReadWrite;
        EXPECT_TRUE(
                serial::explainOpenFailure("/dev/ttyUSB0", QSerialPort::PermissionError, "", denied)
                        .fix.startsWith("Let a udev rule give the device to a group"))
                << group;
    }

    const auto exclusive = serial::explainOpenFailure("/dev/ttyUSB0", QSerialPort::PermissionError,
                                                      "Device or resource busy", {});
    EXPECT_EQ(exclusive.reason,
              "/dev/ttyUSB0 is in use by another program that asked to have it alone.");
    EXPECT_EQ(exclusive.fix, "Close that program, then press Open again.");
}

TEST(LineRate, WithinTwoPerCentIsClose)
{
    const struct
    {
        int asked, set;
        bool close;
    } rows[] = {
            {56000, 56000, true},  {56000, 57600, false}, {14400, 14688, true},
            {14400, 14689, false}, {28800, 38400, false}, {600, 0, false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(serial::rateClose(row.asked, row.set), row.close) << row.asked << " " << row.set;
}

TEST(LineRate, TheRateSetIsReadBackFromTheDriver)
{
    PtyPeer peer;
    ASSERT_TRUE(peer.ok());
    QSerialPort port(QString::fromStdString(peer.devicePath()));
    ASSERT_TRUE(port.open(QIODevice::ReadWrite));
    for (int rate : {56000, 28800, 600}) {
        ASSERT_TRUE(port.setBaudRate(rate));
        EXPECT_EQ(serial::actualBaudRate(static_cast<int>(port.handle())), rate);
    }
}

} // namespace
