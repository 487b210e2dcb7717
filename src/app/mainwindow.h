#pragma once

#include "protocol/framefile.h"
#include "serial/clock.h"
#include "serial/transmitter.h"
#include "ui/commandlink.h"

#include <QWidget>

#include <memory>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace serial {
class Port;
}

namespace ui {
class Messages;
class PageTabs;
class PortStatusLabel;
class ReceiveWindow;
class SecondaryWindows;
class TerminalLine;
} // namespace ui

namespace app {

class FrameRecorder;
class TransmitRun;

// The main window: port settings, the Open/Close toggle, the terminal with `send` and the
// receive poll, and the tab pages. It is the pages' CommandLink to the board.
class Main : public QWidget, public ui::CommandLink
{
    Q_OBJECT
public:
    Main(serial::Port &port, ui::Messages &messages, QWidget *parent = nullptr);
    Main(serial::Port &port, ui::Messages &messages, serial::Clock &clock,
         QWidget *parent = nullptr);
    ~Main() override;

    // Transmits the terminal line, pausing before each wait character. Blocks until the last
    // character has been handed to the port; no other handler runs meanwhile.
    void send();

    bool guardOpen() override;
    void send(const QString &frame) override;
    void sendAll(const QStringList &frames) override;
    QString transmitDelay() const override;
    void setTransmitDelay(const QString &text) override;
    QString receivedText() const override;
    void clearReceived() override;

signals:
    // The program should end now: the port is closed and every other window is gone.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Main(serial::Port &port, ui::Messages &messages, serial::Clock *clock, QWidget *parent);

    QWidget *buildCommSettings();
    QWidget *buildIoPort();
    QWidget *buildInfoFrame();
    QWidget *buildTerminal();
    void runStartup();

    void applySelection();
    void toggleOpen();
    void openPort();
    void closePort();
    void exitProgram();
    void sendTyped(const QByteArray &bytes);
    void transmitFrames(const QStringList &frames, bool putInLine);
    void play(const std::vector<protocol::FileFrame> &frames);
    bool transmitLine(TransmitRun &run);
    bool takeReceived();
    void pollReceived();
    bool noticeLoss();
    void portLost(const QString &reason);
    void tell(const QString &message);
    void resumePoll();
    void setTerminalColours(const QColor &receive, const QColor &transmit);
    void showTerminalCompanions(bool shown);

    serial::Port &m_port;
    ui::Messages &m_messages;
    std::unique_ptr<serial::Clock> m_ownClock; // when no clock is given
    serial::Clock &m_clock;
    serial::Transmitter m_transmitter;
    TransmitRun *m_run = nullptr; // while a transmission runs
    FrameRecorder *m_recorder = nullptr;
    QByteArray m_held; // what the board sent while a transmission ran, shown after it

    QButtonGroup *m_portNumbers = nullptr;
    QListWidget *m_settingsList = nullptr;
    QLineEdit *m_xmitDelay = nullptr;
    QLineEdit *m_waitChar = nullptr;
    QPushButton *m_toggle = nullptr;
    ui::PortStatusLabel *m_status = nullptr;
    ui::TerminalLine *m_terminalLine = nullptr;
    ui::ReceiveWindow *m_receive = nullptr;
    QPushButton *m_clear = nullptr;
    QLabel *m_transmitActive = nullptr;
    QTimer *m_poll = nullptr;
    ui::PageTabs *m_pages = nullptr;
    ui::SecondaryWindows *m_windows = nullptr;
};

} // namespace app
