#include "app/framerecorder.h"

#include "ui/chosenfile.h"

#include <utility>

namespace app {

FrameRecorder::FrameRecorder(serial::BoardConnection &connection, QObject *parent)
    : QObject(parent)
{
    connect(&connection, &serial::BoardConnection::frameSent, this, &FrameRecorder::recordSent);
    connect(&connection, &serial::BoardConnection::typed, this, &FrameRecorder::recordTyped);
}

QString FrameRecorder::start(const QString &path)
{
    stop();
    m_file.setFileName(path);
    if (QString refusal; !ui::openChosenFile(m_file, refusal, QIODevice::WriteOnly))
        return refusal;
    m_writer = {};
    m_typed.clear();
    return {};
}

void FrameRecorder::stop()
{
    if (!isRecording())
        return;
    append(m_writer.typed(std::exchange(m_typed, {}).toStdString()));
    m_file.close();
}

void FrameRecorder::recordSent(const QString &frame, const serial::Pacing &pacing)
{
    if (!isRecording())
        return;
    // What was typed before it went out before it.
    append(m_writer.typed(std::exchange(m_typed, {}).toStdString()));
    append(m_writer.sent(frame.toStdString(), pacing.waitChar.toStdString(),
                         pacing.delay.toStdString()));
}

void FrameRecorder::recordTyped(const QByteArray &bytes)
{
    if (!isRecording())
        return;
    for (const char c : bytes) {
        if (c != '\r' && c != '\n') {
            m_typed += c;
            continue;
        }
        append(m_writer.typed(std::exchange(m_typed, {}).toStdString()));
    }
}

void FrameRecorder::append(const std::string &lines)
{
    if (lines.empty() || !isRecording())
        return;
    const auto size = static_cast<qint64>(lines.size());
    if (m_file.write(lines.data(), size) == size && m_file.flush())
        return;
    const QString reason = m_file.errorString();
    m_file.close();
    emit failed(reason);
}

} // namespace app
