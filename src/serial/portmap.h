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

    void assign(int number, const QString &device);
    QString device(int number) const;

private:
    std::array<QString, count> m_devices;
};

} // namespace serial
