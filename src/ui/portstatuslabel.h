#pragma once

#include <QLabel>

namespace ui {

// The port status `comm`: white text, "OFF" on dark red, "ON" on green, "Busy" on orange.
class PortStatusLabel : public QLabel
{
    Q_OBJECT
public:
    enum class State { Off, On, Busy };

    explicit PortStatusLabel(QWidget *parent = nullptr);

    // Paints at once: `send` blocks the event loop, yet "Busy" must be seen while it runs.
    void setState(State state);
    State state() const { return m_state; }

private:
    void setBackground(const QColor &colour);

    State m_state = State::Off;
};

} // namespace ui
