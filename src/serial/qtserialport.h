#pragma once

#include "protocol/defaults.h"
#include "serial/port.h"
#include "serial/portmap.h"

#include <QSerialPort>

namespace serial {

// The production port: Qt SerialPort on the device that the port number maps to.
class QtSerialPort final : public Port
{
public:
    explicit QtSerialPort(PortMap map);
    ~QtSerialPort() override;

    const PortMap &portMap() const { return m_map; }

    void setPortNumber(int number) override { m_number = number; }
    int portNumber() const override { return m_number; }
    QString deviceName(int number) const override { return m_map.device(number); }
    void setSettings(const QString &settings) override { m_settings = settings; }
    QString settings() const override { return m_settings; }

    PortResult open() override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }

    PortResult write(const QByteArray &bytes, qsizetype &taken) override;
    qsizetype queued() override;
    PortResult drain() override;
    QByteArray readAll() override;
    PortResult fault() const override { return m_fault; }

private:
    PortResult applySettings();
    void noteError(QSerialPort::SerialPortError error);
    void letGo(const QString &reason);

    PortMap m_map;
    int m_number = 1;
    QString m_settings = QLatin1String(protocol::defaultSettings);
    QSerialPort m_port;
    PortResult m_fault;
    QByteArray m_salvaged; // what had arrived when the device went away
};

} // namespace serial
