#include "serial/qtserialport.h"

#include "protocol/linesettings.h"

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <termios.h>

namespace serial {

namespace {

// A write that makes no progress for this long means the port has stopped taking bytes.
constexpr int writeStallMs = 5000;

QSerialPort::Parity parityOf(char letter)
{
    switch (letter) {
    case 'e':
        return QSerialPort::EvenParity;
    case 'o':
        return QSerialPort::OddParity;
    case 'm':
        return QSerialPort::MarkParity;
    case 's':
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

QString owningGroup(const QString &device)
{
    struct stat info
    {};
    if (::stat(device.toLocal8Bit().constData(), &info) != 0)
        return {};
    const group *owner = ::getgrgid(info.st_gid);
    return owner ? QString::fromLocal8Bit(owner->gr_name) : QString();
}

} // namespace

QtSerialPort::QtSerialPort(PortMap map)
    : m_map(std::move(map))
{}

QtSerialPort::~QtSerialPort()
{
    close();
}

PortResult QtSerialPort::open()
{
    if (m_port.isOpen())
        return PortResult::success();
    const QString device = m_map.device(m_number);
    if (device.isEmpty())
        return PortResult::failure(QStringLiteral("There is no port %1.").arg(m_number));
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite))
        return failure(device);
    auto applied = applySettings();
    if (!applied.ok) {
        m_port.close();
        return applied;
    }
    // What the line carried while nobody had the port open is no answer to anything sent
    // now; a serial line drops it, a pseudo-terminal would keep it.
    m_port.clear(QSerialPort::Input);
    return PortResult::success();
}

PortResult QtSerialPort::applySettings()
{
    const auto line = protocol::parseLineSettings(m_settings.toStdString());
    if (!line)
        return PortResult::failure(
                QStringLiteral("\"%1\" is not a settings string.").arg(m_settings));
    if (!m_port.setBaudRate(line->baudRate))
        return PortResult::failure(QStringLiteral("The serial driver cannot set %1 baud on %2: %3")
                                           .arg(line->baudRate)
                                           .arg(m_port.portName(), m_port.errorString()));
    const bool framed = m_port.setParity(parityOf(line->parity))
                        && m_port.setDataBits(static_cast<QSerialPort::DataBits>(line->dataBits))
                        && m_port.setStopBits(line->stopBits == 2 ? QSerialPort::TwoStop
                                                                  : QSerialPort::OneStop);
    if (!framed)
        return PortResult::failure(QStringLiteral("The serial driver cannot set \"%1\": %2")
                                           .arg(m_settings, m_port.errorString()));
    return PortResult::success();
}

PortResult QtSerialPort::failure(const QString &device) const
{
    const QString reason = QStringLiteral("%1: %2").arg(device, m_port.errorString());
    if (m_port.error() != QSerialPort::PermissionError)
        return PortResult::failure(reason);
    const QString group = owningGroup(device);
    return PortResult::failure(
            reason,
            QStringLiteral(
                    "Add your user to the group that owns the device (%1), then log in again.")
                    .arg(group.isEmpty() ? QStringLiteral("usually dialout") : group));
}

void QtSerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
}

PortResult QtSerialPort::write(const QByteArray &bytes)
{
    if (!m_port.isOpen())
        return PortResult::failure(QStringLiteral("The port is not open."));
    if (m_port.write(bytes) != bytes.size())
        return PortResult::failure(m_port.errorString());
    // Nothing runs the event loop while `send` blocks: hand Qt's buffer to the driver here.
    // waitForBytesWritten is only asked while Qt still holds bytes; on an empty buffer it
    // would wait out its whole timeout.
    while (m_port.bytesToWrite() > 0) {
        if (m_port.flush())
            continue;
        if (!m_port.waitForBytesWritten(writeStallMs)) {
            const bool stalled = m_port.error() == QSerialPort::NoError
                                 || m_port.error() == QSerialPort::TimeoutError;
            return PortResult::failure(stalled ? QStringLiteral("The port stopped taking bytes.")
                                               : m_port.errorString());
        }
    }
    return PortResult::success();
}

void QtSerialPort::drain()
{
    if (!m_port.isOpen())
        return;
    while (m_port.bytesToWrite() > 0
           && (m_port.flush() || m_port.waitForBytesWritten(writeStallMs))) {
    }
    while (::tcdrain(static_cast<int>(m_port.handle())) != 0 && errno == EINTR) {
    }
}

QByteArray QtSerialPort::readAll()
{
    if (!m_port.isOpen())
        return {};
    // Takes what the driver holds now, whether or not the event loop has seen it yet.
    m_port.waitForReadyRead(0);
    return m_port.readAll();
}

} // namespace serial
