#include "serial/portmap.h"

#include <QFile>
#include <QSerialPortInfo>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace serial {

namespace {

// The families in the order people expect to find them; others are not numbered.
constexpr std::array<QLatin1StringView, 3> families
        = {QLatin1StringView("ttyUSB"), QLatin1StringView("ttyACM"), QLatin1StringView("ttyS")};
constexpr QLatin1StringView devFolder("/dev/");
constexpr int serialFamily = 2;

// (family rank, device number) for a name such as ttyUSB1, or rank -1 if not ours.
std::pair<int, qulonglong> nameKey(QStringView name)
{
    for (int rank = 0; rank < int(families.size()); ++rank) {
        if (!name.startsWith(families[rank]))
            continue;
        const QStringView digits = name.mid(families[rank].size());
        const bool allDigits
                = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
                      return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                  });
        bool ok = false;
        const qulonglong number = allDigits ? digits.toULongLong(&ok) : 0;
        return ok ? std::pair{rank, number} : std::pair{-1, 0ULL};
    }
    return {-1, 0};
}

// The same for a path such as /dev/ttyUSB1.
std::pair<int, qulonglong> sortKey(const QString &device)
{
    return device.startsWith(devFolder) ? nameKey(QStringView(device).mid(devFolder.size()))
                                        : std::pair{-1, 0ULL};
}

// A ttyS device exists for every slot the serial driver offers; only those whose UART type
// is known have a port behind them.
bool hasUart(const QByteArray &entry)
{
    const int fd = ::open((entry + "/type").constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) // a driver without the attribute: its devices are real ports
        return ::access((entry + "/device").constData(), F_OK) == 0;
    char text[16] = {};
    const ssize_t length = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    return length > 0 && std::atoi(text) != 0;
}

} // namespace

PortMap::PortMap(const QStringList &devicesFound)
{
    QStringList ordered;
    for (const auto &device : devicesFound) {
        if (sortKey(device).first >= 0 && !ordered.contains(device))
            ordered.append(device);
    }
    std::sort(ordered.begin(), ordered.end(),
              [](const QString &a, const QString &b) { return sortKey(a) < sortKey(b); });
    for (int number = 1; number <= count; ++number) {
        m_devices[number - 1] = number <= ordered.size()
                                        ? ordered[number - 1]
                                        : QStringLiteral("/dev/ttyS%1").arg(number - 1);
    }
}

QStringList PortMap::devicesListed(const QString &ttyClass)
{
    QStringList found;
    const QByteArray folder = QFile::encodeName(ttyClass);
    DIR *listing = ::opendir(folder.constData());
    if (!listing)
        return found;
    while (const dirent *entry = ::readdir(listing)) {
        const QString name = QFile::decodeName(entry->d_name);
        const int family = nameKey(name).first;
        if (family < 0 || (family == serialFamily && !hasUart(folder + '/' + entry->d_name)))
            continue;
        found.append(devFolder + name);
    }
    ::closedir(listing);
    return found;
}

PortMap PortMap::discover()
{
    // The kernel's own list is read in well under a millisecond; asking the device manager,
    // which also opens every ttyS device, costs several at every start.
    const QString ttyClass = QStringLiteral("/sys/class/tty");
    if (::access(QFile::encodeName(ttyClass).constData(), R_OK) == 0)
        return PortMap(devicesListed(ttyClass));
    QStringList found;
    for (const auto &info : QSerialPortInfo::availablePorts())
        found.append(info.systemLocation());
    return PortMap(found);
}

void PortMap::assign(int number, const QString &device)
{
    if (number >= 1 && number <= count)
        m_devices[number - 1] = device;
}

QString PortMap::device(int number) const
{
    return number >= 1 && number <= count ? m_devices[number - 1] : QString();
}

} // namespace serial
