#pragma once

#include "protocol/memoryframes.h"

#include <QObject>

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace ui {
class CommandLink;
class Messages;
} // namespace ui

namespace memory {

// "Write EEprom": hex text reformatted into a byte list with its end address, at the slow
// pacing, then written. The page is either editing ("Reformat" on, "&Write" off) or ready to
// write; any change of the text or of the start address sends it back to editing, so a byte
// list and end address that no longer match what would be sent are never written. Beside its
// own buttons: a file opened into the text.
class EepromWritePage : public QObject
{
    Q_OBJECT
public:
    // Finds its controls among `pages`.
    EepromWritePage(const QObject &pages, ui::CommandLink &link, ui::Messages &messages,
                    QObject *parent);

private:
    void setReady(bool ready);
    void reformat();
    void write();
    // Why the bytes from the start address to `end` do not fit `memory`; empty when they do.
    QString doesNotFit(protocol::Eeprom memory, std::uint64_t end) const;

    ui::CommandLink &m_link;
    ui::Messages &m_messages;
    QRadioButton *m_external;
    QRadioButton *m_internal;
    QLineEdit *m_start;
    QLabel *m_end;
    QPlainTextEdit *m_bytes;
    QPushButton *m_reformat;
    QPushButton *m_write;
    // Of the last successful "Reformat".
    std::uint64_t m_endAddress = 0;
    std::optional<std::uint32_t> m_reformattedStart;
};

} // namespace memory
