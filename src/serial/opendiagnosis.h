#pragma once

#include "serial/port.h"

#include <QSerialPort>
#include <QString>

namespace serial {

// What can be found out about a device that would not open.
struct DeviceFacts
{
    bool exists = true;
    bool characterDevice = true;
    bool accessible = true;         // this user may read and write it
    QString owningGroup;            // the group the device belongs to, where known
    bool groupMayReadWrite = false; // that group may read and write it
    QString holder; // the program whose lock file claims it: "minicom (process 812)"
};

DeviceFacts inspectDevice(const QString &device);

// The program holding the device through a lock file in one of the usual lock directories,
// as "name (process N)"; empty when no living program holds one.
QString lockHolder(const QString &device);

// Why `device` did not open, in words a person can act on, from the error Qt SerialPort gave
// and what the device looks like.
PortResult explainOpenFailure(const QString &device, QSerialPort::SerialPortError error,
                              const QString &errorString, const DeviceFacts &facts);

} // namespace serial
