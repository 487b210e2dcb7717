#include "ui/portstatuslabel.h"

namespace ui {

namespace {

struct StateLook
{
    const char *caption;
    QRgb background;
};

StateLook lookOf(PortStatusLabel::State state)
{
    switch (state) {
    case PortStatusLabel::State::On:
        return {"ON", 0x00C000};
    case PortStatusLabel::State::Busy:
        return {"Busy", 0xFF8000};
    case PortStatusLabel::State::Off:
        break;
    }
    return {"OFF", 0xC00000};
}

} // namespace

PortStatusLabel::PortStatusLabel(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("comm"));
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setAccessibleDescription(QStringLiteral("Port status"));
    QPalette look = palette();
    look.setColor(QPalette::WindowText, Qt::white);
    setPalette(look);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setState(State::Off);
}

void PortStatusLabel::setState(State state)
{
    m_state = state;
    const auto look = lookOf(state);
    const QString caption = QString::fromLatin1(look.caption);
    // The order the board's users have always seen: "Busy" gets its colour first, the
    // others their caption first.
    if (state == State::Busy) {
        setBackground(QColor(look.background));
        setText(caption);
    } else {
        setText(caption);
        setBackground(QColor(look.background));
    }
    setAccessibleName(caption);
    repaint();
}

void PortStatusLabel::setBackground(const QColor &colour)
{
    QPalette look = palette();
    look.setColor(QPalette::Window, colour);
    setPalette(look);
}

} // namespace ui
