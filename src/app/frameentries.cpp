#include "app/frameentries.h"

#include "app/framerecorder.h"
#include "ui/messages.h"
#include "ui/receivewindow.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>

namespace app {

namespace {

// What the entries show, in one place.
namespace says {
const QString record = QStringLiteral("Record Fra&mes...");
const QString stop = QStringLiteral("Stop Recor&ding");
const QString play = QStringLiteral("Pla&y Frames...");
const QString recordTitle = QStringLiteral("Record frames");
const QString playTitle = QStringLiteral("Play frames");
const QString filter = QStringLiteral("Frame files (*.txt);;All files (*)");
// %1: the file, %2: the reason.
const QString notRecorded = QStringLiteral("The frames could not be recorded to %1: %2");
const QString recordingStopped
        = QStringLiteral("The recording has stopped: %1 could not be written: %2");
const QString notRead = QStringLiteral("%1 could not be read: %2");
const QString notAFile = QStringLiteral("frames come from a file, not from a device or a folder");
// %1: the file, %2: the line that cannot be read and why.
const QString notPlayed = QStringLiteral("%1 was not played: %2");
// %1: the file.
const QString noFrames = QStringLiteral("%1 holds no frames.");
} // namespace says

QAction *entry(const QString &text, const char *name, QObject *parent)
{
    auto *action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

FrameEntries::FrameEntries(ui::ReceiveWindow &window, FrameRecorder &recorder,
                           ui::Messages &messages, Player play, QObject *parent)
    : QObject(parent)
    , m_window(&window)
    , m_recorder(recorder)
    , m_messages(messages)
    , m_play(std::move(play))
    , m_record(entry(says::record, "recordFrames", this))
    , m_stop(entry(says::stop, "stopRecording", this))
    , m_playEntry(entry(says::play, "playFrames", this))
    , m_askRecord(
              memory::saveFileAsker(says::recordTitle, QStringLiteral("frames.txt"), says::filter))
    , m_askPlay(memory::openFileAsker(says::playTitle, says::filter))
{
    window.addMenuEntries({m_record, m_stop, m_playEntry});
    connect(m_record, &QAction::triggered, this, &FrameEntries::record);
    connect(m_stop, &QAction::triggered, this, [this] {
        m_recorder.stop();
        showState();
    });
    connect(m_playEntry, &QAction::triggered, this, &FrameEntries::play);
    connect(&m_recorder, &FrameRecorder::failed, this, [this](const QString &reason) {
        showState();
        m_messages.show(says::recordingStopped.arg(QFileInfo(m_recordPath).fileName(), reason));
    });
    showState();
}

void FrameEntries::showState()
{
    m_record->setEnabled(!m_recorder.isRecording());
    m_stop->setEnabled(m_recorder.isRecording());
}

void FrameEntries::record()
{
    const QString path = m_askRecord(m_window->window());
    if (path.isEmpty())
        return;
    m_recordPath = path;
    if (const QString reason = m_recorder.start(path); !reason.isEmpty())
        m_messages.show(says::notRecorded.arg(QFileInfo(path).fileName(), reason));
    showState();
}

void FrameEntries::play()
{
    const QString path = m_askPlay(m_window->window());
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    // A device such as /dev/zero would never end.
    if (!QFileInfo(path).isFile()) {
        m_messages.show(says::notRead.arg(name, says::notAFile));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_messages.show(says::notRead.arg(name, file.errorString()));
        return;
    }
    const protocol::FrameFile frames = protocol::readFrameFile(file.readAll().toStdString());
    if (!frames.refusal.empty())
        m_messages.show(says::notPlayed.arg(name, QString::fromStdString(frames.refusal)));
    else if (frames.frames.empty())
        m_messages.show(says::noFrames.arg(name));
    else
        m_play(frames.frames);
}

} // namespace app
