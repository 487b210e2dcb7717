#include "memory/eepromfiles.h"

#include "memory/memorytexts.h"
#include "memory/memorywidgets.h"
#include "memory/tooltexts.h"
#include "protocol/hexbytes.h"
#include "protocol/intelhex.h"
#include "protocol/memoryframes.h"
#include "protocol/numbers.h"
#include "ui/messages.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>

namespace memory {

namespace {

const QString fileFilter
        = QObject::tr("Intel HEX files (*.hex *.ihx *.ihex);;Binary files (*.bin);;All files (*)");

const QString clickHere = QStringLiteral("CLICK HERE");

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

EepromSaver::EepromSaver(const QObject &pages, ui::Messages &messages, QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_start(control<QLineEdit>(pages, "txteraddr"))
    , m_end(control<QLabel>(pages, "readeep"))
    , m_result(control<QPlainTextEdit>(pages, "txteread"))
    , m_button(control<QPushButton>(pages, "cmdesave"))
    , m_askPath(saveFileAsker(tr("Save EEPROM bytes"), QStringLiteral("eeprom.hex"), fileFilter))
{
    // Connected after the page's own "&Read": a read it sent has just put up "CLICK HERE".
    connect(control<QPushButton>(pages, "cmderead"), &QPushButton::clicked, this, [this] {
        if (memoText(m_result) == clickHere) {
            m_readStart = protocol::wholeNumber(m_start->text().toStdString()).value_or(0);
            // The frame asks up to the end address the page shows.
            const auto end = protocol::wholeNumber(m_end->text().toStdString());
            m_readCount = end && *end >= m_readStart
                                  ? std::optional<std::uint32_t>(*end - m_readStart + 1)
                                  : std::nullopt;
        }
    });
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
    if (m_readCount && bytes->size() != *m_readCount) {
        m_messages.show(tooltext::readIncomplete.arg(bytes->size()).arg(*m_readCount));
        return;
    }
    const QString path = m_askPath(m_button->window());
    if (path.isEmpty())
        return;
    const protocol::MemoryImage image{m_readStart, *bytes};
    QByteArray contents;
    if (isIntelHexName(path))
        contents = QByteArray::fromStdString(protocol::writeIntelHex(image));
    else
        contents = QByteArray(reinterpret_cast<const char *>(bytes->data()),
                              static_cast<qsizetype>(bytes->size()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()
        || !file.commit())
        m_messages.show(tooltext::fileNotWritten.arg(fileName(path), file.errorString()));
}

EepromOpener::EepromOpener(const QObject &pages, ui::Messages &messages, QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_external(control<QRadioButton>(pages, "optWeep1"))
    , m_internal(control<QRadioButton>(pages, "optweep2"))
    , m_start(control<QLineEdit>(pages, "txtewaddr"))
    , m_bytes(control<QPlainTextEdit>(pages, "txtewrite"))
    , m_button(control<QPushButton>(pages, "cmdeopen"))
    , m_askPath(openFileAsker(tr("Open EEPROM bytes"), fileFilter))
{
    connect(m_button, &QPushButton::clicked, this, &EepromOpener::open);
}

void EepromOpener::open()
{
    // The file is checked against the EEPROM it is meant for.
    const auto memory = chosenEeprom(m_external, m_internal, m_messages);
    if (!memory)
        return;
    const QString path = m_askPath(m_button->window());
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
        m_start->setText(QString::fromStdString(protocol::fourDigitForm(image->start)));
    setMemoText(m_bytes, QString::fromStdString(protocol::hexPairs(image->bytes)));
}

bool EepromOpener::fits(const QString &path, protocol::Eeprom memory, std::uint64_t start,
                        std::uint64_t count)
{
    const QString overflow = eepromOverflow(fileName(path), memory, start, count);
    if (!overflow.isEmpty())
        m_messages.show(overflow);
    return overflow.isEmpty();
}

std::optional<ChosenBytes> EepromOpener::read(const QString &path, qint64 limit)
{
    ChosenBytes chosen = readChosenFile(path, limit);
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
        m_messages.show(tooltext::hexFileTooLarge.arg(fileName(path)).arg(largestHexFile >> 20));
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
    image.start = protocol::wholeNumber(m_start->text().toStdString()).value_or(0);
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
