#pragma once

#include "protocol/displayrect.h"
#include "ui/commandlink.h"

#include <QObject>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace memory {

// "LCD Read/Write": a rectangle of display memory read into `txtlcd`, and hex text in
// `txtlcd` checked against the rectangle, reformatted at the fast pacing and written. Every
// change of the text enables "&Write"; a write that was not reformatted is sent with a
// reminder. Beside its own buttons: the whole display captured as a picture, and a picture
// loaded into the rectangle. The page alone enables "Reformat to Send" and "&Write".
class LcdPage : public QObject
{
    Q_OBJECT
public:
    // Finds its controls among `pages`.
    LcdPage(const QObject &pages, ui::CommandLink &link, ui::Messages &messages, QObject *parent);

private:
    protocol::CornerReading corners() const;
    void read();
    void reformat();
    void write();
    void clear();
    // A loaded picture: its rectangle into the corner boxes and its bytes into `txtlcd`, to be
    // reformatted as after "&Paste".
    void showPicture(const protocol::DisplayRect &rect, const QString &hex);

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
