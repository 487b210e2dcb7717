#pragma once

#include "memory/fileasker.h"
#include "protocol/intelhex.h"
#include "protocol/memoryframes.h"

#include <QObject>

#include <cstdint>
#include <optional>

class QFile;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace ui {
class Messages;
}

namespace memory {

struct Eeprom;

// A file name ending in .hex, .ihx or .ihex holds Intel HEX; any other, the bytes themselves.
bool isIntelHexName(const QString &path);

// "Save..." on Read EEprom: the bytes the read brought, as a binary or an Intel HEX file that
// keeps the start address the read asked for.
class EepromSaver : public QObject
{
    Q_OBJECT
public:
    // `button` is the page's "Save...", `result` the box its reply is collected into.
    EepromSaver(QPushButton *button, const QPlainTextEdit *result, ui::Messages &messages,
                QObject *parent);

    void setPathAsker(FileAsker asker) { m_askPath = std::move(asker); }
    // The page has sent a read for `range`: its reply is what the box will hold.
    void readSent(const protocol::EepromRange &range) { m_read = range; }

private:
    void save();

    ui::Messages &m_messages;
    QPushButton *m_button;
    const QPlainTextEdit *m_result;
    FileAsker m_askPath;
    std::optional<protocol::EepromRange> m_read; // the last one sent
};

// "Open..." on Write EEprom: a binary or Intel HEX file into the page's hex text, and a HEX
// file's address into its start address, for the page's own "Reformat" and "&Write". A file
// that cannot be read whole, or that does not fit the chosen EEPROM, changes nothing.
class EepromOpener : public QObject
{
    Q_OBJECT
public:
    // What the write page hands its opener.
    struct PageControls
    {
        const QRadioButton *external;
        const QRadioButton *internal;
        QLineEdit *start;
        QPlainTextEdit *bytes;
        QPushButton *button; // "Open..."
    };

    EepromOpener(const PageControls &page, ui::Messages &messages, QObject *parent);

    void setPathAsker(FileAsker asker) { m_askPath = std::move(asker); }

private:
    void open();
    // Each shows why when it says no.
    bool opened(QFile &file);
    bool fits(const QString &path, const Eeprom &eeprom, std::uint64_t start, std::uint64_t count);
    std::optional<protocol::MemoryImage> readHex(const QString &path);
    std::optional<protocol::MemoryImage> readBinary(const QString &path, const Eeprom &eeprom);

    ui::Messages &m_messages;
    PageControls m_page;
    FileAsker m_askPath;
};

} // namespace memory
