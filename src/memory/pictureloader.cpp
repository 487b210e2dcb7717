#include "memory/pictureloader.h"

#include "memory/chosenfile.h"
#include "memory/displayimages.h"
#include "memory/memorywidgets.h"
#include "memory/picturedialog.h"
#include "memory/tooltexts.h"
#include "protocol/hexbytes.h"
#include "protocol/numbers.h"
#include "protocol/refusal.h"
#include "ui/messages.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace memory {

namespace {

QString imageFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    return QObject::tr("Pictures (%1);;All files (*)").arg(patterns.join(QLatin1Char(' ')));
}

std::optional<protocol::PictureOptions>
askInDialog(QWidget *parent, const protocol::GreyImage &picture, int width, int height)
{
    PictureDialog dialog(picture, width, height, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.options();
}

// Eight picture pixels a display pixel across the whole display: plenty for every display
// pixel to be an even average of the picture under it.
constexpr int displayNeeds = 1024;

struct ReadPicture
{
    QImage image;
    QString refusal;
};

// A picture too large for Qt's image memory (a phone photo of 48 megapixels needs 192 MB) is
// read at the size the display needs, scaled while it is decoded where the format allows it
// (JPEG does). Any other keeps every pixel, so that "Original size" shows it one for one.
ReadPicture readPicture(const QString &path)
{
    QFile file(path);
    QString refusal;
    if (!openChosenFile(file, refusal))
        return {{}, refusal};
    QImageReader reader(&file);
    reader.setAutoTransform(true); // a photo turned as the camera was held
    const QSize size = reader.size();
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    const bool tooLarge = limit > 0 && bytes > limit;
    if (tooLarge)
        reader.setScaledSize(size.scaled(displayNeeds, displayNeeds, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (!image.isNull())
        return {image, {}};
    const QString name = QFileInfo(path).fileName();
    // A format that cannot scale while it decodes needs all of it in memory first.
    if (tooLarge)
        return {{}, tooltext::pictureTooLarge.arg(name).arg(size.width()).arg(size.height())};
    return {{}, tooltext::pictureUnreadable.arg(name)};
}

// A corner as the page's boxes write it: three digits for X, two for Y, as the defaults are,
// so that the page's text comparison of the corners agrees with their numbers.
QString cornerText(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

} // namespace

PictureLoader::PictureLoader(const QObject &pages, ui::Messages &messages, QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_button(control<QPushButton>(pages, "cmdlcdpicture"))
    , m_x1(control<QLineEdit>(pages, "txtlcdx1"))
    , m_x2(control<QLineEdit>(pages, "txtlcdx2"))
    , m_y1(control<QLineEdit>(pages, "txtlcdy1"))
    , m_y2(control<QLineEdit>(pages, "txtlcdy2"))
    , m_bytes(control<QPlainTextEdit>(pages, "txtlcd"))
    , m_reformat(control<QPushButton>(pages, "cmdlcdfmt"))
    , m_askPath(openFileAsker(tr("Load picture"), imageFilter()))
    , m_askOptions(askInDialog)
{
    connect(m_button, &QPushButton::clicked, this, &PictureLoader::load);
}

std::optional<protocol::DisplayBlock> PictureLoader::block()
{
    const std::array boxes{m_x1, m_x2, m_y1, m_y2};
    std::array<int, 4> corner{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto number = protocol::wholeNumber(boxes[i]->text().toStdString());
        if (!number) {
            const std::string label = boxes[i]->accessibleName().toStdString();
            const std::string text = boxes[i]->text().toStdString();
            m_messages.show(QString::fromStdString(protocol::wholeNumberRefusal({label, text})));
            return std::nullopt;
        }
        // Anything past the display is refused below, whatever its size.
        corner[i] = static_cast<int>(std::min<std::uint32_t>(*number, 1000));
    }
    if (corner == std::array<int, 4>{})
        return protocol::DisplayBlock{};
    const protocol::DisplayBlock chosen{corner[0], corner[1], corner[2], corner[3]};
    if (const std::string refusal = protocol::blockRefusal(chosen); !refusal.empty()) {
        m_messages.show(QString::fromStdString(refusal));
        return std::nullopt;
    }
    return chosen;
}

void PictureLoader::load()
{
    const auto target = block();
    if (!target)
        return;
    QWidget *owner = m_button->window();
    const QString path = m_askPath(owner);
    if (path.isEmpty())
        return;
    const ReadPicture picture = readPicture(path);
    if (picture.image.isNull()) {
        m_messages.show(picture.refusal);
        return;
    }
    const protocol::GreyImage grey = greyImage(picture.image);
    const auto options = m_askOptions(owner, grey, target->width(), target->height());
    if (!options)
        return;
    const protocol::Bitmap pixels
            = protocol::toBitmap(grey, target->width(), target->height(), *options);
    m_x1->setText(cornerText(target->x1, 3));
    m_x2->setText(cornerText(target->x2, 3));
    m_y1->setText(cornerText(target->page1, 2));
    m_y2->setText(cornerText(target->page2, 2));
    setMemoText(m_bytes, QString::fromStdString(
                                 protocol::hexPairs(protocol::packDisplayBytes(pixels, *target))));
    // New text to reformat, as after "&Paste".
    m_reformat->setEnabled(true);
}

} // namespace memory
