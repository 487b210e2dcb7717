#pragma once

#include "ui/commandlink.h"

#include <QObject>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace protocol {
struct Corners;
}

namespace memory {

// "LCD Read/Write": a rectangle of display memory read into `txtlcd`, and hex text in
// `txtlcd` checked against the rectangle, reformatted at the fast pacing and written. Every
// change of the text enables "&Write"; a write that was not reformatted is sent with a
// reminder.
class LcdPage : public QObject
{
    Q_OBJECT
public:
    // Finds its controls among `pages`.
    LcdPage(const QObject &pages, ui::CommandLink &link, ui::Messages &messages, QObject *parent);

private:
    // What the four corner boxes hold, kept alive while a frame is built from them.
    struct CornerEntries
    {
        ui::BoxEntry x1, x2, y1, y2;
        operator protocol::Corners() const;
    };

    CornerEntries corners() const;
    void read();
    void reformat();
    void write();
    void clear();

    ui::CommandLink &m_link;
    ui::Messages &m_messages;
    QLineEdit *m_x1;
    QLineEdit *m_x2;
    QLineEdit *m_y1;
    QLineEdit *m_y2;
    QLabel *m_rectangleCount;
    QLabel *m_textCount;
    QPlainTextEdit *m_bytes;
    QPushButton *m_reformat;
    QPushButton *m_write;
};

} // namespace memory
