#pragma once

#include <QWidget>

#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QTimer;

namespace board {

class LcdView;
class SimulatedBoard;

// The board as a window: its display, where to reach it and what it has carried out.
class BoardWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWindow(SimulatedBoard &board, QWidget *parent = nullptr);

    LcdView *view() const { return m_view; }
    // Takes in what changed on the board; a timer calls it while the window exists.
    void refresh();

private:
    SimulatedBoard &m_board;
    LcdView *m_view;
    QLabel *m_status;
    QPlainTextEdit *m_log;
    QTimer *m_timer;
    std::uint64_t m_revision = 0;
    std::uint64_t m_logCursor = 0;
};

} // namespace board
