#pragma once

#include "ui/fileasker.h"

#include <QObject>

class QAction;
class QMenu;
class QPoint;

namespace ui {

class HexWindow;
class Messages;
class ReceiveLog;
class ReceiveWindow;

// The receive window's own tools, below Qt's entries in its context menu: save its text, log
// every byte received to a file, and show the bytes as hex. The window itself stays as it is.
class ReceiveTools : public QObject
{
    Q_OBJECT
public:
    ReceiveTools(ReceiveWindow *window, Messages &messages);

    ReceiveLog *log() const { return m_log; }
    HexWindow *hexWindow() const { return m_hex; }
    QAction *saveAction() const { return m_save; }
    QAction *logAction() const { return m_logging; }
    QAction *hexAction() const { return m_showHex; }

    // Qt's own entries for the window, then the tools; the caller owns the menu.
    QMenu *menu(const QPoint &position) const;

    void setTextPathAsker(FileAsker asker) { m_askTextPath = std::move(asker); }
    void setLogPathAsker(FileAsker asker) { m_askLogPath = std::move(asker); }

public slots:
    // The bytes as received, before any line-end rule.
    void takeBytes(const QByteArray &raw);

private:
    void saveText();
    void switchLog(bool on);

    ReceiveWindow *m_window;
    Messages &m_messages;
    ReceiveLog *m_log;
    HexWindow *m_hex;
    QAction *m_save;
    QAction *m_logging;
    QAction *m_showHex;
    FileAsker m_askTextPath;
    FileAsker m_askLogPath;
};

} // namespace ui
