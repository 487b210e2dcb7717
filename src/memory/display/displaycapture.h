#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <string>

class QPushButton;

namespace ui {
class CommandLink;
class Messages;
} // namespace ui

namespace memory {

class CaptureWindow;

// "Capture..." on LCD Read/Write: the page's read frame for the whole display, sent as any
// frame is; then, without touching the page's boxes or the receive window, the answer is
// taken as it arrives until it is complete and shown as a picture. A line that stays quiet
// too long, or an answer that never completes, ends the wait with a message; a device that
// goes away ends it silently, since the loss has its own message.
class DisplayCapture : public QObject
{
    Q_OBJECT
public:
    // `button` is the page's "Capture...", which the capture alone enables.
    DisplayCapture(QPushButton *button, ui::CommandLink &link, ui::Messages &messages,
                   QObject *parent);

    // The window of the last capture; none before the first.
    CaptureWindow *window() const { return m_window; }
    // How long the line may stay quiet before the answer is given up.
    void setQuietLimit(std::chrono::milliseconds limit) { m_quietLimit = limit; }

private:
    void capture();
    void take(const QByteArray &bytes);
    void watchTime();
    void finish();
    void show(const std::vector<std::uint8_t> &bytes);

    ui::CommandLink &m_link;
    ui::Messages &m_messages;
    QPushButton *m_button;
    CaptureWindow *m_window = nullptr;
    QTimer m_limits;
    QElapsedTimer m_quiet;
    QElapsedTimer m_waiting;
    std::chrono::milliseconds m_quietLimit{3000};
    // Long enough for the whole display at 300 baud; a line that chatters cannot hold it open.
    static constexpr std::chrono::milliseconds longestWait{120000};
    bool m_waitingForAnswer = false;
    std::string m_answer; // what the board has sent since the read
};

} // namespace memory
