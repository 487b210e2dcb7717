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

struct Eeprom
{
    QString name;
    std::uint64_t size;
};

namespace {

const Eeprom external{QStringLiteral("External"), 32 * 1024};
const Eeprom internal{QStringLiteral("Internal"), 256};

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
    , m_askPath(
              ui::saveFileAsker(tr("Save EEPROM bytes"), QStringLiteral("eeprom.hex"), fileFilter))
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
    , m_askPath(ui::openFileAsker(tr("Open EEPROM bytes"), fileFilter))
{
    connect(m_button, &QPushButton::clicked, this, &EepromOpener::open);
}

void EepromOpener::open()
{
    // The file is checked against the EEPROM it is meant for.
    if (!m_external->isChecked() && !m_internal->isChecked()) {
        m_messages.show(text::selectEeprom);
        return;
    }
    const Eeprom &eeprom = m_external->isChecked() ? external : internal;
    const QString path = m_askPath(m_button->window());
    if (path.isEmpty())
        return;
    const bool hex = isIntelHexName(path);
    const auto image = hex ? readHex(path) : readBinary(path, eeprom);
    if (!image)
        return;
    if (image->bytes.empty()) {
        m_messages.show(tooltext::fileEmpty.arg(fileName(path)));
        return;
    }
    if (!fits(path, eeprom, image->start, image->bytes.size()))
        return;
    if (hex)
        m_start->setText(QString::fromStdString(protocol::fourDigitForm(image->start)));
    setMemoText(m_bytes, QString::fromStdString(protocol::hexPairs(image->bytes)));
}

bool EepromOpener::opened(QFile &file)
{
    if (file.open(QIODevice::ReadOnly))
        return true;
    m_messages.show(tooltext::fileNotRead.arg(fileName(file.fileName()), file.errorString()));
    return false;
}

bool EepromOpener::fits(const QString &path, const Eeprom &eeprom, std::uint64_t start,
                        std::uint64_t count)
{
    if (start + count <= eeprom.size)
        return true;
    m_messages.show(tooltext::fileTooLarge.arg(fileName(path), eeprom.name, QString::number(count),
                                               QString::number(start),
                                               QString::number(eeprom.size - 1)));
    return false;
}

std::optional<protocol::MemoryImage> EepromOpener::readHex(const QString &path)
{
    QFile file(path);
    if (!opened(file))
        return std::nullopt;
    const QByteArray contents = file.readAll();
    protocol::HexReading reading
            = protocol::readIntelHex(std::string_view(contents.constData(), contents.size()));
    if (!reading.ok()) {
        m_messages.show(fileName(path) + QStringLiteral(": ")
                        + QString::fromStdString(reading.error));
        return std::nullopt;
    }
    return std::move(reading.image);
}

std::optional<protocol::MemoryImage> EepromOpener::readBinary(const QString &path,
                                                              const Eeprom &eeprom)
{
    QFile file(path);
    if (!opened(file))
        return std::nullopt;
    protocol::MemoryImage image;
    image.start = protocol::wholeNumber(m_start->text().toStdString()).value_or(0);
    // Weighed before it is read: a file far too large never comes into memory.
    if (!fits(path, eeprom, image.start, static_cast<std::uint64_t>(file.size())))
        return std::nullopt;
    const QByteArray contents = file.readAll();
    image.bytes.assign(contents.begin(), contents.end());
    return image;
}

} // namespace memory
