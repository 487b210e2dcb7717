#pragma once

#include "protocol/framefile.h"
#include "ui/fileasker.h"

#include <QObject>

#include <functional>
#include <vector>

class QAction;

namespace ui {
class Messages;
class ReceiveTools;
} // namespace ui

namespace app {

class FrameRecorder;

// The receive window's entries for frame files, after its own tools: "Record Frames..." ticked
// records into a file the person names until it is unticked; "Play Frames..." sends a file's
// frames.
class FrameEntries : public QObject
{
    Q_OBJECT
public:
    // Sends the frames through `send`, each at the pacing the file set for it (the window's own
    // where the file sets none).
    using Player = std::function<void(const std::vector<protocol::FileFrame> &frames)>;

    // `window` is the one the file dialogs belong to.
    FrameEntries(QWidget *window, ui::ReceiveTools &tools, FrameRecorder &recorder,
                 ui::Messages &messages, Player play);

    void setRecordAsker(ui::FileAsker asker) { m_askRecord = std::move(asker); }
    void setPlayAsker(ui::FileAsker asker) { m_askPlay = std::move(asker); }

private:
    void record(bool on);
    void play();

    QWidget *m_window;
    FrameRecorder &m_recorder;
    ui::Messages &m_messages;
    Player m_play;
    QAction *m_record;
    QAction *m_playEntry;
    QString m_recordPath;
    ui::FileAsker m_askRecord;
    ui::FileAsker m_askPlay;
};

} // namespace app
