#pragma once

#include "memory/fileasker.h"
#include "protocol/framefile.h"

#include <QObject>

#include <functional>
#include <vector>

class QAction;

namespace ui {
class Messages;
class ReceiveWindow;
} // namespace ui

namespace app {

class FrameRecorder;

// The receive window's entries for frame files: "Record Frames..." starts a recording into a
// file the person names and "Stop Recording" ends it; "Play Frames..." sends a file's frames.
class FrameEntries : public QObject
{
    Q_OBJECT
public:
    // Sends the frames through `send` as one transmission, each at the pacing the file set for
    // it (the window's own where the file sets none).
    using Player = std::function<void(const std::vector<protocol::FileFrame> &frames)>;

    FrameEntries(ui::ReceiveWindow &window, FrameRecorder &recorder, ui::Messages &messages,
                 Player play, QObject *parent);

    void setRecordAsker(memory::FileAsker asker) { m_askRecord = std::move(asker); }
    void setPlayAsker(memory::FileAsker asker) { m_askPlay = std::move(asker); }

private:
    void record();
    void play();
    void showState();

    QWidget *m_window;
    FrameRecorder &m_recorder;
    ui::Messages &m_messages;
    Player m_play;
    QAction *m_record;
    QAction *m_stop;
    QAction *m_playEntry;
    QString m_recordPath;
    memory::FileAsker m_askRecord;
    memory::FileAsker m_askPlay;
};

} // namespace app
