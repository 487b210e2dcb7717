#pragma once

#include "memory/chosenfile.h"
#include "memory/fileasker.h"
#include "protocol/intelhex.h"
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
class Messages;
}

namespace memory {

// A file name ending in .hex, .ihx or .ihex holds Intel HEX; any other, the bytes themselves.
bool isIntelHexName(const QString &path);

// "Save..." on Read EEprom: the bytes the read brought, as a binary or an Intel HEX file that
// keeps the start address the read asked for.
class EepromSaver : public QObject
{
    Q_OBJECT
public:
    // Finds its button and the page's controls among `pages`.
    EepromSaver(const QObject &pages, ui::Messages &messages, QObject *parent);

    void setPathAsker(FileAsker asker) { m_askPath = std::move(asker); }

private:
    void save();

    ui::Messages &m_messages;
    QLineEdit *m_start;
    QLabel *m_end;
    QPlainTextEdit *m_result;
    QPushButton *m_button;
    FileAsker m_askPath;
    // Of the last read sent.
    std::uint32_t m_readStart = 0;
    std::optional<std::uint32_t> m_readCount;
};

// "Open..." on Write EEprom: a binary or Intel HEX file into the page's hex text, and a HEX
// file's address into its start address, for the page's own "Reformat" and "&Write". Only a
// regular file is read, and never more of it than can be used; one that cannot be read whole,
// or that does not fit the chosen EEPROM, changes nothing.
class EepromOpener : public QObject
{
    Q_OBJECT
public:
    // Finds its button and the page's controls among `pages`.
    EepromOpener(const QObject &pages, ui::Messages &messages, QObject *parent);

    void setPathAsker(FileAsker asker) { m_askPath = std::move(asker); }

private:
    void open();
    // Each shows why when it says no.
    bool fits(const QString &path, protocol::Eeprom memory, std::uint64_t start,
              std::uint64_t count);
    std::optional<ChosenBytes> read(const QString &path, qint64 limit);
    std::optional<protocol::MemoryImage> readHex(const QString &path);
    std::optional<protocol::MemoryImage> readBinary(const QString &path, protocol::Eeprom memory);

    ui::Messages &m_messages;
    QRadioButton *m_external;
    QRadioButton *m_internal;
    QLineEdit *m_start;
    QPlainTextEdit *m_bytes;
    QPushButton *m_button;
    FileAsker m_askPath;
};

} // namespace memory
