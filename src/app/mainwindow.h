#pragma once

#include "protocol/framefile.h"
#include "serial/boardconnection.h"
#include "ui/commandlink.h"

#include <QWidget>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui {
class LogIndicator;
class Messages;
class PageTabs;
class PortStatusLabel;
class ReceiveTools;
class ReceiveWindow;
class SecondaryWindows;
class TerminalLine;
} // namespace ui

namespace app {

class TransmitRun;

// The main window: port settings, the Open/Close toggle, the terminal with `send`, and the tab
// pages. It shows the board connection (what arrives, its state, its loss) and is the pages'
// CommandLink to it.
class Main : public QWidget, public ui::CommandLink
{
    Q_OBJECT
public:
    Main(serial::BoardConnection &connection, ui::Messages &messages, QWidget *parent = nullptr);
    ~Main() override;

    // Transmits the terminal line, pausing before each wait character. Blocks until the last
    // character has been handed to the port; no other handler runs meanwhile.
    void send();

    bool guardOpen() override;
    bool send(const QString &frame) override;
    void sendAll(const QStringList &frames) override;
    QString transmitDelay() const override;
    void setTransmitDelay(const QString &text) override;
    QString receivedText() const override;
    void clearReceived() override;
    ui::BoardFeed &feed() override { return m_feed; }

signals:
    // The program should end now: the port is closed and every other window is gone.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildCommSettings();
    QWidget *buildIoPort();
    QWidget *buildInfoFrame();
    QWidget *buildTerminal();
    void runStartup();

    void applySelection();
    void toggleOpen();
    void openPort();
    void closePort();
    void showClosed();
    void exitProgram();
    void sendTyped(const QByteArray &bytes);
    // True when every frame went out.
    bool transmitFrames(const QStringList &frames);
    bool transmitFrames(const QStringList &frames, const serial::Pacing &pacing);
    void play(const std::vector<protocol::FileFrame> &frames);
    void showReceived(const QByteArray &bytes);
    void showState(serial::BoardConnection::State state);
    void portLost(const QString &reason);
    void tell(const QString &message);
    void setTerminalColours(const QColor &receive, const QColor &transmit);
    void showTerminalCompanions(bool shown);

    serial::BoardConnection &m_connection;
    ui::Messages &m_messages;
    TransmitRun *m_run = nullptr; // while a transmission runs
    ui::BoardFeed m_feed;

    QButtonGroup *m_portNumbers = nullptr;
    QListWidget *m_settingsList = nullptr;
    QLineEdit *m_xmitDelay = nullptr;
    QLineEdit *m_waitChar = nullptr;
    QPushButton *m_toggle = nullptr;
    ui::PortStatusLabel *m_status = nullptr;
    ui::TerminalLine *m_terminalLine = nullptr;
    ui::ReceiveWindow *m_receive = nullptr;
    ui::ReceiveTools *m_receiveTools = nullptr;
    ui::LogIndicator *m_logIndicator = nullptr;
    QPushButton *m_clear = nullptr;
    QLabel *m_transmitActive = nullptr;
    ui::PageTabs *m_pages = nullptr;
    ui::SecondaryWindows *m_windows = nullptr;
};

} // namespace app
