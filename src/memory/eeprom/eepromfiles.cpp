#include "memory/eeprom/eepromfiles.h"

#include "memory/eeprom/filetexts.h"
#include "memory/memorywidgets.h"
#include "protocol/hexbytes.h"
#include "protocol/intelhex.h"
#include "protocol/memoryframes.h"
#include "protocol/numbers.h"
#include "ui/messages.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace memory {

namespace {

const QString fileFilter
        = QObject::tr("Intel HEX files (*.hex *.ihx *.ihex);;Binary files (*.bin);;All files (*)");

} // namespace

namespace {

// Far more than any Intel HEX text of these EEPROMs needs: a record of one byte per line is
// 15 characters a byte, under half a MiB for the external EEPROM.
constexpr qint64 largestHexFile = 1024 * 1024;

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

bool isIntelHexName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("hex") || suffix == QLatin1String("ihx")
           || suffix == QLatin1String("ihex");
}

EepromSaver::EepromSaver(QPushButton *button, const QPlainTextEdit *result, ui::Messages &messages,
                         QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_button(button)
    , m_result(result)
    , m_askPath(
              ui::saveFileAsker(tr("Save EEPROM bytes"), QStringLiteral("eeprom.hex"), fileFilter))
{
    connect(m_button, &QPushButton::clicked, this, &EepromSaver::save);
}

void EepromSaver::save()
{
    const auto bytes = protocol::bytesOfHexPairs(memoText(m_result).toStdString());
    if (!bytes || bytes->empty()) {
        m_messages.show(tooltext::nothingToSave);
        return;
    }
    // A reply collected before it was complete would make a file that looks whole.
    if (m_read && bytes->size() != m_read->count) {
        m_messages.show(tooltext::readIncomplete.arg(bytes->size()).arg(m_read->count));
        return;
    }
    const QString path = m_askPath(m_button->window());
    if (path.isEmpty())
        return;
    const protocol::MemoryImage image{m_read ? m_read->start : 0, *bytes};
    QByteArray contents;
    if (isIntelHexName(path))
        contents = QByteArray::fromStdString(protocol::writeIntelHex(image));
    else
        contents = QByteArray(reinterpret_cast<const char *>(bytes->data()),
                              static_cast<qsizetype>(bytes->size()));
    if (const QString refusal = ui::writeChosenFile(path, contents); !refusal.isEmpty())
        m_messages.show(refusal);
}

EepromOpener::EepromOpener(const PageControls &page, ui::Messages &messages, QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_page(page)
    , m_askPath(ui::openFileAsker(tr("Open EEPROM bytes"), fileFilter))
{
    connect(m_page.button, &QPushButton::clicked, this, &EepromOpener::open);
}

void EepromOpener::open()
{
    // The file is checked against the EEPROM it is meant for.
    const auto memory = chosenEeprom(m_page.external, m_page.internal, m_messages);
    if (!memory)
        return;
    const QString path = m_askPath(m_page.button->window());
    if (path.isEmpty())
        return;
    const bool hex = isIntelHexName(path);
    const auto image = hex ? readHex(path) : readBinary(path, *memory);
    if (!image)
        return;
    if (image->bytes.empty()) {
        m_messages.show(tooltext::fileEmpty.arg(fileName(path)));
        return;
    }
    if (!fits(path, *memory, image->start, image->bytes.size()))
        return;
    if (hex)
        m_page.start->setText(QString::fromStdString(protocol::fourDigitForm(image->start)));
    setMemoText(m_page.bytes, QString::fromStdString(protocol::hexPairs(image->bytes)));
}

bool EepromOpener::fits(const QString &path, protocol::Eeprom memory, std::uint64_t start,
                        std::uint64_t count)
{
    const QString overflow = eepromOverflow(fileName(path), memory, start, count);
    if (!overflow.isEmpty())
        m_messages.show(overflow);
    return overflow.isEmpty();
}

std::optional<ui::ChosenBytes> EepromOpener::read(const QString &path, qint64 limit)
{
    ui::ChosenBytes chosen = ui::readChosenFile(path, limit);
    if (chosen.ok())
        return chosen;
    m_messages.show(chosen.refusal);
    return std::nullopt;
}

std::optional<protocol::MemoryImage> EepromOpener::readHex(const QString &path)
{
    const auto contents = read(path, largestHexFile);
    if (!contents)
        return std::nullopt;
    if (contents->beyondLimit) {
        m_messages.show(tooltext::hexFileTooLarge.arg(fileName(path),
                                                      QString::number(largestHexFile >> 20)));
        return std::nullopt;
    }
    protocol::HexReading reading = protocol::readIntelHex(
            std::string_view(contents->bytes.constData(), contents->bytes.size()));
    if (!reading.ok()) {
        m_messages.show(fileName(path) + QStringLiteral(": ")
                        + QString::fromStdString(reading.error));
        return std::nullopt;
    }
    return std::move(reading.image);
}

std::optional<protocol::MemoryImage> EepromOpener::readBinary(const QString &path,
                                                              protocol::Eeprom memory)
{
    protocol::MemoryImage image;
    image.start = protocol::wholeNumber(m_page.start->text().toStdString()).value_or(0);
    const std::uint64_t size = protocol::eepromSize(memory);
    // Only what fits from the start address on is read; one byte more tells it does not fit.
    const auto contents
            = read(path, static_cast<qint64>(image.start < size ? size - image.start : 0));
    if (!contents)
        return std::nullopt;
    if (contents->beyondLimit) {
        fits(path, memory, image.start, static_cast<std::uint64_t>(contents->size));
        return std::nullopt;
    }
    image.bytes.assign(contents->bytes.begin(), contents->bytes.end());
    return image;
}

} // namespace memory
