#pragma once

#include "protocol/framefile.h"
#include "serial/boardconnection.h"

#include <QFile>
#include <QObject>

namespace app {

// "Record Frames...": while it records, every frame `send` transmits whole, and every line typed
// into the terminal line, is appended to a frame file that `sketra --send` and "Play Frames..."
// read back, with the pacing it went out at written as comments where it changes. Each frame
// reaches the file at once, so a recording cut short keeps what was sent up to then.
class FrameRecorder : public QObject
{
    Q_OBJECT
public:
    // Listens to what `connection` sends.
    explicit FrameRecorder(serial::BoardConnection &connection, QObject *parent = nullptr);
    // A recording still on when the program ends keeps the line typed last.
    ~FrameRecorder() override { stop(); }

    // Records into `path` from now on, replacing what it held; when it cannot, why, naming it.
    QString start(const QString &path);
    // Ends the recording, with the typed text since the last Enter as its last line.
    void stop();
    bool isRecording() const { return m_file.isOpen(); }

signals:
    // The file could not be written: the recording has stopped.
    void failed(const QString &reason);

private:
    // A frame that went out whole, at the pacing it went out at.
    void recordSent(const QString &frame, const serial::Pacing &pacing);
    // What the terminal line sent as it was typed: a line for each Enter.
    void recordTyped(const QByteArray &bytes);
    void append(const std::string &lines);

    QFile m_file;
    protocol::FrameFileWriter m_writer;
    QByteArray m_typed; // typed since the last Enter
};

} // namespace app
