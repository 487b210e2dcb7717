#include "serial/portmap.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>
#include <tuple>

namespace serial {

namespace {

// The families in the order people expect to find them; others are not numbered.
const QStringList families
        = {QStringLiteral("ttyUSB"), QStringLiteral("ttyACM"), QStringLiteral("ttyS")};

// (family rank, device number) for a path such as /dev/ttyUSB1, or rank -1 if not ours.
std::tuple<int, qulonglong> sortKey(const QString &device)
{
    static const QRegularExpression pattern(QStringLiteral("^/dev/(tty(?:USB|ACM|S))(\\d+)$"));
    const auto match = pattern.match(device);
    if (!match.hasMatch())
        return {-1, 0};
    return {static_cast<int>(families.indexOf(match.captured(1))), match.captured(2).toULongLong()};
}

} // namespace

PortMap::PortMap(const QStringList &devicesFound)
{
    QStringList ordered;
    for (const auto &device : devicesFound) {
        if (std::get<0>(sortKey(device)) >= 0 && !ordered.contains(device))
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

PortMap PortMap::discover()
{
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
