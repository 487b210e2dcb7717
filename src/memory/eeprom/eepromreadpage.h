#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace ui {
class CommandLink;
class Messages;
} // namespace ui

namespace memory {

class EepromSaver;

// "Read EEprom": a range of either EEPROM, its end address worked out while the boxes are
// filled in, and the reply picked up from the receive window when the focus leaves "&Read".
// Beside its own buttons: the bytes read saved as a file, by a saver told of each read sent.
class EepromReadPage : public QObject
{
    Q_OBJECT
public:
    // Finds its controls among `pages`.
    EepromReadPage(const QObject &pages, ui::CommandLink &link, ui::Messages &messages,
                   QObject *parent);

private:
    void boxLeft(QLineEdit *box);
    void read();

    ui::CommandLink &m_link;
    ui::Messages &m_messages;
    QRadioButton *m_external;
    QRadioButton *m_internal;
    QLineEdit *m_start;
    QLineEdit *m_count;
    QLabel *m_end;
    QPlainTextEdit *m_result;
    EepromSaver *m_saver;
};

} // namespace memory
