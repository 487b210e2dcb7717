#include "ui/receivelog.h"

#include "ui/chosenfile.h"
#include "ui/messages.h"
#include "ui/receivetexts.h"

#include <QDir>

namespace ui {

ReceiveLog::ReceiveLog(Messages &messages, QObject *parent)
    : QObject(parent)
    , m_messages(messages)
{}

bool ReceiveLog::start(const QString &path)
{
    stop();
    m_file.setFileName(path);
    QString refusal;
    // Unbuffered: every write is a write to the operating system, nothing waits in the program.
    if (!openChosenFile(m_file, refusal,
                        QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        m_messages.show(refusal);
        return false;
    }
    emit switched(path);
    return true;
}

void ReceiveLog::stop()
{
    if (!m_file.isOpen())
        return;
    m_file.close();
    emit switched({});
}

void ReceiveLog::takeBytes(const QByteArray &raw)
{
    if (!m_file.isOpen() || raw.isEmpty())
        return;
    if (m_file.write(raw) == raw.size() && m_file.flush())
        return;
    const QString reason = m_file.errorString();
    stop();
    m_messages.show(
            receivetext::logStopped.arg(QDir::toNativeSeparators(m_file.fileName()), reason));
}

LogIndicator::LogIndicator(QWidget *parent)
    : QLabel(receivetext::logging, parent)
{
    setObjectName(QStringLiteral("logIndicator"));
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    hide();
}

void LogIndicator::showPath(const QString &path)
{
    const QString tip = path.isEmpty() ? QString()
                                       : receivetext::loggingTo.arg(QDir::toNativeSeparators(path));
    setToolTip(tip);
    setAccessibleDescription(tip);
    setVisible(!path.isEmpty());
}

} // namespace ui
