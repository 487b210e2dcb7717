#pragma once

#include <QByteArray>
#include <QString>

namespace serial {

// The outcome of an operation on the port: ok, or the port's own reason why not.
struct PortResult
{
    bool ok = true;
    QString reason;
    QString fix; // what the person can do about it, where that is known

    static PortResult success() { return {}; }
    static PortResult failure(QString reason, QString fix = {})
    {
        return {false, std::move(reason), std::move(fix)};
    }
    // The reason and, on a line of its own, what to do about it.
    QString explained() const { return fix.isEmpty() ? reason : reason + QLatin1Char('\n') + fix; }
};

// The only way to the wire. The port number (1 to 4) and the settings string ("19200,n,8,1")
// are set while closed and applied when the port opens.
class Port
{
public:
    virtual ~Port() = default;

    virtual void setPortNumber(int number) = 0;
    virtual int portNumber() const = 0;
    // The device a port number stands for, to show the person what "1" means.
    virtual QString deviceName(int number) const = 0;
    virtual void setSettings(const QString &settings) = 0;
    virtual QString settings() const = 0;

    virtual PortResult open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Hands the driver as many of `bytes` as it takes now, without waiting, and counts them in
    // `taken`. A driver whose buffer is full takes none: the line is slow, nothing has failed.
    virtual PortResult write(const QByteArray &bytes, qsizetype &taken) = 0;
    // Bytes the driver still holds for the wire; 0 when it cannot say.
    virtual qsizetype queued() = 0;
    // Once the driver's queue is empty: waits for the few bytes an adapter keeps beyond it.
    virtual PortResult drain() = 0;
    // Everything that has arrived since the last read; empty when nothing has.
    virtual QByteArray readAll() = 0;
    // Why the device cannot be used any more (unplugged, hung up), once a read or write has
    // found out; ok while it works. The port is then no longer open. Opening starts afresh.
    virtual PortResult fault() const { return PortResult::success(); }
};

} // namespace serial
