#include "app/frameentries.h"

#include "app/framerecorder.h"
#include "ui/chosenfile.h"
#include "ui/messages.h"
#include "ui/receivetools.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>

namespace app {

namespace {

// What the entries show, in one place.
namespace says {
const QString record = QStringLiteral("Record Frames...");
const QString play = QStringLiteral("Play Frames...");
const QString recordTitle = QStringLiteral("Record frames");
const QString playTitle = QStringLiteral("Play frames");
const QString filter = QStringLiteral("Frame files (*.txt);;All files (*)");
const QString recordingStopped
        = QStringLiteral("The recording has stopped: %1 could not be written: %2");
// %1: the file, %2: its size in MiB.
const QString tooLarge
        = QStringLiteral("%1 holds more than %2 MiB of frames; split it to play it.");
// %1: the file, %2: the line that cannot be read and why.
const QString notPlayed = QStringLiteral("%1 was not played: %2");
// %1: the file.
const QString noFrames = QStringLiteral("%1 holds no frames.");
} // namespace says

// Hours of frames at any pacing; what is longer is no session a person recorded.
constexpr qint64 largestFrameFile = qint64{64} << 20;

QAction *entry(const QString &text, const char *name, QObject *parent)
{
    auto *action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

FrameEntries::FrameEntries(QWidget *window, ui::ReceiveTools &tools, FrameRecorder &recorder,
                           ui::Messages &messages, Player play)
    : QObject(&tools)
    , m_window(window)
    , m_recorder(recorder)
    , m_messages(messages)
    , m_play(std::move(play))
    , m_record(entry(says::record, "recordFrames", this))
    , m_playEntry(entry(says::play, "playFrames", this))
    , m_askRecord(ui::saveFileAsker(says::recordTitle, QStringLiteral("frames.txt"), says::filter))
    , m_askPlay(ui::openFileAsker(says::playTitle, says::filter))
{
    m_record->setCheckable(true);
    tools.addEntries({m_record, m_playEntry});
    connect(m_record, &QAction::triggered, this, &FrameEntries::record);
    connect(m_playEntry, &QAction::triggered, this, &FrameEntries::play);
    connect(&m_recorder, &FrameRecorder::failed, this, [this](const QString &reason) {
        m_record->setChecked(false);
        m_messages.show(says::recordingStopped.arg(QFileInfo(m_recordPath).fileName(), reason));
    });
}

void FrameEntries::record(bool on)
{
    if (!on) {
        m_recorder.stop();
        return;
    }
    const QString path = m_askRecord(m_window);
    if (const QString refusal = path.isEmpty() ? QString() : m_recorder.start(path);
        !refusal.isEmpty())
        m_messages.show(refusal);
    m_recordPath = path;
    m_record->setChecked(m_recorder.isRecording());
}

void FrameEntries::play()
{
    const QString path = m_askPlay(m_window);
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    const ui::ChosenBytes contents = ui::readChosenFile(path, largestFrameFile);
    if (!contents.ok()) {
        m_messages.show(contents.refusal);
        return;
    }
    if (contents.beyondLimit) {
        m_messages.show(says::tooLarge.arg(name, QString::number(largestFrameFile >> 20)));
        return;
    }
    const protocol::FrameFile frames = protocol::readFrameFile(contents.bytes.toStdString());
    if (!frames.refusal.empty())
        m_messages.show(says::notPlayed.arg(name, QString::fromStdString(frames.refusal)));
    else if (frames.frames.empty())
        m_messages.show(says::noFrames.arg(name));
    else
        m_play(frames.frames);
}

} // namespace app
