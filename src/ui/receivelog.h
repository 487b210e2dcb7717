#pragma once

#include <QFile>
#include <QLabel>
#include <QObject>

namespace ui {

class Messages;

// Logs every byte received, as it came before any line-end rule, to the end of a file. Each
// batch goes to the operating system at once, so a program that is killed loses none of it.
class ReceiveLog : public QObject
{
    Q_OBJECT
public:
    explicit ReceiveLog(Messages &messages, QObject *parent = nullptr);

    // Opens `path` to append to it; says why and stays off when it cannot.
    bool start(const QString &path);
    void stop();
    bool isOn() const { return m_file.isOpen(); }

public slots:
    // A write that fails stops the log and says so once.
    void takeBytes(const QByteArray &raw);

signals:
    // The file logged to, empty once logging stops.
    void switched(const QString &path);

private:
    Messages &m_messages;
    QFile m_file;
};

// "Logging" while a log is on, its file in the tool tip; nothing otherwise.
class LogIndicator : public QLabel
{
    Q_OBJECT
public:
    explicit LogIndicator(QWidget *parent = nullptr);

public slots:
    void showPath(const QString &path);
};

} // namespace ui
