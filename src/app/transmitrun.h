#pragma once

#include "serial/transmitter.h"

#include <QDialog>

#include <chrono>

class QLabel;
class QProgressBar;

namespace app {

// "about 3 s", "about 4 min 10 s", "about 1 h 52 min": the time a transmission has left.
QString timeLeftText(std::chrono::milliseconds left);

// The small window a long transmission shows: characters sent of the total, the time left and
// one control, "Stop". While it is up it is the only part of the program that takes input:
// every click, key or close meant for another window is dropped.
class TransmitProgress : public QDialog
{
    Q_OBJECT
public:
    TransmitProgress(QWidget *window, std::size_t total);
    ~TransmitProgress() override;

    void show(std::size_t sent, std::chrono::milliseconds left);
    bool stopRequested() const { return m_stopRequested; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override; // Escape and the window's close button mean Stop

private:
    QLabel *m_text = nullptr;
    QProgressBar *m_bar = nullptr;
    std::size_t m_total = 0;
    bool m_stopRequested = false;
};

// One transmission as the window follows it, of one frame or of a whole run of frames: how
// many characters have gone, the time left, and, when it is long, the progress window with
// its Stop.
class TransmitRun final : public serial::TransmitWatch
{
public:
    // Longer than this and the progress window shows; shorter ones never flash one.
    static constexpr std::chrono::milliseconds longTransmission{1000};

    TransmitRun(QWidget *window, serial::Clock &clock, std::size_t total,
                std::chrono::milliseconds duration, double charactersPerSecond);
    ~TransmitRun() override;

    void advanced(std::size_t characters, std::int32_t pausedMs) override;
    bool breathe() override;

    // Before the message a transmission ends with; the run goes on without a window.
    void closeProgress();

private:
    std::chrono::milliseconds left() const;
    void showProgress();

    std::size_t m_total;
    std::size_t m_sent = 0;
    double m_leftMs;
    double m_msPerCharacter;
    serial::Clock &m_clock;
    QWidget *m_window;
    serial::Clock::TimePoint m_started;
    TransmitProgress *m_progress = nullptr;
    bool m_closed = false; // the transmission's own message is up, or it has ended
    serial::Clock::TimePoint m_shown;
    serial::Clock::TimePoint m_advanced;
};

} // namespace app
