#include "serial/opendiagnosis.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace serial {

namespace {

// Where Qt SerialPort and the other serial programs put their lock files.
const QStringList lockDirectories = {
        QStringLiteral("/var/lock"),
        QStringLiteral("/etc/locks"),
        QStringLiteral("/var/spool/locks"),
        QStringLiteral("/var/spool/uucp"),
        QStringLiteral("/tmp"),
        QStringLiteral("/var/tmp"),
        QStringLiteral("/var/lock/lockdev"),
        QStringLiteral("/run/lock"),
};

const QString closeTheOther = QStringLiteral("Close that program, then press Open again.");

QString groupName(gid_t id)
{
    const group *owner = ::getgrgid(id);
    return owner ? QString::fromLocal8Bit(owner->gr_name) : QString();
}

QString programName(qint64 pid, const QByteArray &lockText)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (comm.open(QIODevice::ReadOnly))
        return QString::fromLocal8Bit(comm.readAll().trimmed());
    // Qt's lock files name the program on their second line.
    const auto lines = lockText.split('\n');
    return lines.size() > 1 ? QString::fromLocal8Bit(lines[1].trimmed()) : QString();
}

// The start of a lock file, empty when there is none. Only a regular file is read: anyone may
// make a pipe by a lock file's name in /tmp, and a blocking open of it would wait for a writer.
QByteArray lockText(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    const int handle = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return {};
    QByteArray text;
    if (::fstat(handle, &info) == 0 && S_ISREG(info.st_mode)) {
        text.resize(4096);
        text.resize(std::max<qsizetype>(::read(handle, text.data(), text.size()), 0));
    }
    ::close(handle);
    return text;
}

// The kernel's name of a device, which a udev rule matches: a link such as one in
// /dev/serial/by-id/ is followed to it.
QString kernelName(const QString &device)
{
    const QString real = QFileInfo(device).canonicalFilePath();
    return QFileInfo(real.isEmpty() ? device : real).fileName();
}

// Joining a group only helps when that group may use the device, and nobody should join root's.
QString permissionFix(const QString &device, const DeviceFacts &facts)
{
    if (facts.groupMayReadWrite && !facts.owningGroup.isEmpty()
        && facts.owningGroup != QLatin1String("root"))
        return QStringLiteral("Add your user to the group that owns the device (%1), then log "
                              "in again.")
                .arg(facts.owningGroup);
    return QStringLiteral("Let a udev rule give the device to a group, for example a file "
                          "/etc/udev/rules.d/70-serial.rules holding the line "
                          "KERNEL==\"%1\", GROUP=\"dialout\", MODE=\"0660\"; then add your "
                          "user to dialout, log in again and plug the adapter in again. Or run "
                          "Sketra as a user who may read and write %2.")
            .arg(kernelName(device), device);
}

} // namespace

QString lockHolder(const QString &device)
{
    // "/dev/ttyUSB0" locks as "LCK..ttyUSB0", "/dev/pts/3" as "LCK..pts_3".
    QString name = device;
    if (name.startsWith(QLatin1String("/dev/")))
        name.remove(0, 5);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const QString &directory : lockDirectories) {
        const QByteArray text = lockText(directory + QStringLiteral("/LCK..") + name);
        bool number = false;
        const qint64 pid = text.split('\n').value(0).trimmed().toLongLong(&number);
        // A lock left behind by a program that has ended holds nothing.
        if (!number || pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH))
            continue;
        const QString program = programName(pid, text);
        return program.isEmpty()
                       ? QStringLiteral("process %1").arg(pid)
                       : QStringLiteral("%1 (process %2)").arg(program, QString::number(pid));
    }
    return {};
}

DeviceFacts inspectDevice(const QString &device)
{
    DeviceFacts facts;
    struct stat info
    {};
    const QByteArray path = QFile::encodeName(device);
    if (::stat(path.constData(), &info) != 0) {
        facts.exists = false;
        return facts;
    }
    facts.characterDevice = S_ISCHR(info.st_mode);
    facts.accessible = ::access(path.constData(), R_OK | W_OK) == 0;
    facts.owningGroup = groupName(info.st_gid);
    facts.groupMayReadWrite = (info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    facts.holder = lockHolder(device);
    return facts;
}

PortResult explainOpenFailure(const QString &device, QSerialPort::SerialPortError error,
                              const QString &errorString, const DeviceFacts &facts)
{
    if (!facts.exists || error == QSerialPort::DeviceNotFoundError)
        return PortResult::failure(
                QStringLiteral("%1 does not exist: the adapter is not plugged in, or the board "
                               "is on another port.")
                        .arg(device),
                QStringLiteral("Plug the adapter in, or choose the port the board is on."));
    if (!facts.characterDevice || error == QSerialPort::UnsupportedOperationError)
        return PortResult::failure(
                QStringLiteral("%1 is not a serial device (%2).").arg(device, errorString),
                QStringLiteral("Choose the port the board is on."));
    if (!facts.holder.isEmpty())
        return PortResult::failure(
                QStringLiteral("%1 is held by another program: %2.").arg(device, facts.holder),
                closeTheOther);
    if (!facts.accessible)
        return PortResult::failure(QStringLiteral("%1: permission denied.").arg(device),
                                   permissionFix(device, facts));
    if (error == QSerialPort::PermissionError)
        return PortResult::failure(
                QStringLiteral("%1 is in use by another program that asked to have it alone.")
                        .arg(device),
                closeTheOther);
    return PortResult::failure(QStringLiteral("%1: %2").arg(device, errorString));
}

} // namespace serial
