#pragma once

#include "protocol/intelhex.h"
#include "protocol/memoryframes.h"
#include "ui/chosenfile.h"
#include "ui/fileasker.h"

#include <QObject>

#include <cstdint>
#include <optional>

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
    // `button` is the page's "Save...", `result` the box its reply is collected into.
    EepromSaver(QPushButton *button, const QPlainTextEdit *result, ui::Messages &messages,
                QObject *parent);

    void setPathAsker(ui::FileAsker asker) { m_askPath = std::move(asker); }
    // The page has sent a read for `range`: its reply is what the box will hold.
    void readSent(const protocol::EepromRange &range) { m_read = range; }

private:
    void save();

    ui::Messages &m_messages;
    QPushButton *m_button;
    const QPlainTextEdit *m_result;
    ui::FileAsker m_askPath;
    std::optional<protocol::EepromRange> m_read; // the last one sent
};

// "Open..." on Write EEprom: a binary or Intel HEX file into the page's hex text, and a HEX
// file's address into its start address, for the page's own "Reformat" and "&Write". Only a
// regular file is read, and never more of it than can be used; one that cannot be read whole,
// or that does not fit the chosen EEPROM, changes nothing.
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

    void setPathAsker(ui::FileAsker asker) { m_askPath = std::move(asker); }

private:
    void open();
    // Each shows why when it says no.
    bool fits(const QString &path, protocol::Eeprom memory, std::uint64_t start,
              std::uint64_t count);
    std::optional<ui::ChosenBytes> read(const QString &path, qint64 limit);
    std::optional<protocol::MemoryImage> readHex(const QString &path);
    std::optional<protocol::MemoryImage> readBinary(const QString &path, protocol::Eeprom memory);

    ui::Messages &m_messages;
    PageControls m_page;
    ui::FileAsker m_askPath;
};

} // namespace memory
