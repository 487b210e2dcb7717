#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace serial {

// Port numbers 1 to 4 to the machine's devices: USB adapters first (ttyUSB, then ttyACM, each
// by number), then the ttyS devices the system reports; a number left over is ttyS<N-1>.
class PortMap
{
public:
    static constexpr int count = 4;

    explicit PortMap(const QStringList &devicesFound = {});
    // The devices this machine has now.
    static PortMap discover();
    // The devices the kernel lists in `ttyClass` (laid out as /sys/class/tty): every ttyUSB
    // and ttyACM, and the ttyS ports that have a UART behind them, as /dev paths.
    static QStringList devicesListed(const QString &ttyClass);

    void assign(int number, const QString &device);
    QString device(int number) const;

private:
    std::array<QString, count> m_devices;
};

} // namespace serial
