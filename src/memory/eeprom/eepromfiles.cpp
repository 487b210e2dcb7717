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
#include <QSaveFile>

namespace memory {

namespace {

const QString fileFilter
        = QObject::tr("Intel HEX files (*.hex *.ihx *.ihex);;Binary files (*.bin);;All files (*)");

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

EepromSaver::EepromSaver(QPushButton *button, const QPlainTextEdit *result, ui::Messages &messages,
                         QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_button(button)
    , m_result(result)
    , m_askPath(saveFileAsker(tr("Save EEPROM bytes"), QStringLiteral("eeprom.hex"), fileFilter))
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()
        || !file.commit())
        m_messages.show(tooltext::fileNotWritten.arg(fileName(path), file.errorString()));
}

EepromOpener::EepromOpener(const PageControls &page, ui::Messages &messages, QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_page(page)
    , m_askPath(openFileAsker(tr("Open EEPROM bytes"), fileFilter))
{
    connect(m_page.button, &QPushButton::clicked, this, &EepromOpener::open);
}

void EepromOpener::open()
{
    // The file is checked against the EEPROM it is meant for.
    const auto memory = chosenEeprom(m_page.external, m_page.internal, m_messages);
    if (!memory)
        return;
    const Eeprom &eeprom = *memory == protocol::Eeprom::External ? external : internal;
    const QString path = m_askPath(m_page.button->window());
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
        m_page.start->setText(QString::fromStdString(protocol::fourDigitForm(image->start)));
    setMemoText(m_page.bytes, QString::fromStdString(protocol::hexPairs(image->bytes)));
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
    image.start = protocol::wholeNumber(m_page.start->text().toStdString()).value_or(0);
    // Weighed before it is read: a file far too large never comes into memory.
    if (!fits(path, eeprom, image.start, static_cast<std::uint64_t>(file.size())))
        return std::nullopt;
    const QByteArray contents = file.readAll();
    image.bytes.assign(contents.begin(), contents.end());
    return image;
}

} // namespace memory
