#include "serial/qtserialport.h"

#include "protocol/linesettings.h"
#include "serial/linerate.h"
#include "serial/opendiagnosis.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace serial {

namespace {

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

bool hungUp(qintptr descriptor)
{
    pollfd watch{static_cast<int>(descriptor), POLLIN, 0};
    return ::poll(&watch, 1, 0) > 0 && (watch.revents & (POLLHUP | POLLERR));
}

QString hungUpReason(const QString &device)
{
    return QStringLiteral("%1 hung up: the adapter was unplugged or the far end closed.")
            .arg(device);
}

} // namespace

QtSerialPort::QtSerialPort(PortMap map)
    : m_map(std::move(map))
{
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) { noteError(error); });
}

QtSerialPort::~QtSerialPort()
{
    close();
}

PortResult QtSerialPort::open()
{
    if (m_port.isOpen())
        return PortResult::success();
    m_fault = PortResult::success();
    m_salvaged.clear();
    const QString device = m_map.device(m_number);
    if (device.isEmpty())
        return PortResult::failure(QStringLiteral("There is no port %1.").arg(m_number));
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite))
        return explainOpenFailure(device, m_port.error(), m_port.errorString(),
                                  inspectDevice(device));
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
    const QString device = m_port.portName();
    const QString otherRate = QStringLiteral("Choose another rate, and set the board to it.");
    if (!m_port.setBaudRate(line->baudRate))
        return PortResult::failure(QStringLiteral("The serial driver cannot set %1 baud on %2: %3")
                                           .arg(line->baudRate)
                                           .arg(device, m_port.errorString()),
                                   otherRate);
    // Some drivers take a rate they cannot make and quietly use the nearest one they can.
    const auto set = actualBaudRate(static_cast<int>(m_port.handle()));
    if (set && !rateClose(line->baudRate, *set))
        return PortResult::failure(
                QStringLiteral("The serial driver set %1 baud on %2 when asked for %3; the board "
                               "cannot follow a rate more than 2 % off.")
                        .arg(*set)
                        .arg(device)
                        .arg(line->baudRate),
                otherRate);
    const bool framed = m_port.setParity(parityOf(line->parity))
                        && m_port.setDataBits(static_cast<QSerialPort::DataBits>(line->dataBits))
                        && m_port.setStopBits(line->stopBits == 2 ? QSerialPort::TwoStop
                                                                  : QSerialPort::OneStop);
    if (!framed)
        return PortResult::failure(QStringLiteral("The serial driver cannot set \"%1\": %2")
                                           .arg(m_settings, m_port.errorString()));
    return PortResult::success();
}

void QtSerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_fault = PortResult::success();
}

void QtSerialPort::noteError(QSerialPort::SerialPortError error)
{
    if (!m_port.isOpen() || !m_fault.ok)
        return;
    // A read or write that fails on a device still there is no loss: that one transfer
    // fails, the port stays.
    const bool hangUp = hungUp(m_port.handle());
    const bool gone
            = error == QSerialPort::ResourceError
              || ((error == QSerialPort::ReadError || error == QSerialPort::WriteError) && hangUp);
    if (!gone)
        return;
    const QString device = m_port.portName();
    letGo(hangUp ? hungUpReason(device)
                 : QStringLiteral("%1: %2").arg(device, m_port.errorString()));
}

void QtSerialPort::letGo(const QString &reason)
{
    // A device that has hung up reads as "ready" for ever: letting go of it at once is what
    // keeps the event loop from spinning on it.
    m_fault = PortResult::failure(reason);
    m_salvaged += m_port.readAll();
    m_port.close();
}

PortResult QtSerialPort::write(const QByteArray &bytes, qsizetype &taken)
{
    taken = 0;
    if (!m_fault.ok)
        return m_fault;
    if (!m_port.isOpen())
        return PortResult::failure(QStringLiteral("The port is not open."));
    // Straight to the driver, which takes what fits: nothing runs the event loop while `send`
    // blocks, and Qt's own buffer would take everything and then report a full driver as a
    // failed device.
    const int descriptor = static_cast<int>(m_port.handle());
    while (taken < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.constData() + taken,
                                        static_cast<std::size_t>(bytes.size() - taken));
        if (written > 0) {
            taken += written;
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        const int error = errno;
        const QString device = m_port.portName();
        if (hungUp(descriptor))
            letGo(hungUpReason(device));
        else if (error == EIO || error == ENXIO || error == ENODEV)
            letGo(QStringLiteral("%1: %2").arg(device, QString::fromLocal8Bit(strerror(error))));
        return m_fault.ok ? PortResult::failure(QString::fromLocal8Bit(strerror(error))) : m_fault;
    }
    return PortResult::success();
}

qsizetype QtSerialPort::queued()
{
    if (!m_port.isOpen())
        return 0;
    int queued = 0;
    return ::ioctl(static_cast<int>(m_port.handle()), TIOCOUTQ, &queued) == 0 ? queued : 0;
}

PortResult QtSerialPort::drain()
{
    if (!m_fault.ok)
        return m_fault;
    if (!m_port.isOpen())
        return PortResult::failure(QStringLiteral("The port is not open."));
    // Only the adapter's own few bytes are left: tcdrain waits for them exactly.
    while (::tcdrain(static_cast<int>(m_port.handle())) != 0 && errno == EINTR) {
    }
    return m_fault;
}

QByteArray QtSerialPort::readAll()
{
    // Takes what the driver holds now, whether or not the event loop has seen it yet; this
    // is also where a device that has gone is found out.
    if (m_port.isOpen())
        m_port.waitForReadyRead(0);
    QByteArray received;
    received.swap(m_salvaged);
    if (m_port.isOpen())
        received += m_port.readAll();
    return received;
}

} // namespace serial
