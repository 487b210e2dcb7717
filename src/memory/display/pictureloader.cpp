#include "memory/display/pictureloader.h"

#include "memory/display/displayimages.h"
#include "memory/display/displaytexts.h"
#include "memory/display/picturedialog.h"
#include "protocol/hexbytes.h"
#include "ui/chosenfile.h"
#include "ui/messages.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPushButton>

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
    if (!ui::openChosenFile(file, refusal))
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
        return {{},
                tooltext::pictureTooLarge.arg(name, QString::number(size.width()),
                                              QString::number(size.height()))};
    return {{}, tooltext::pictureUnreadable.arg(name)};
}

} // namespace

PictureLoader::PictureLoader(QPushButton *button, Corners corners, ui::Messages &messages,
                             QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_button(button)
    , m_corners(std::move(corners))
    , m_askPath(ui::openFileAsker(tr("Load picture"), imageFilter()))
    , m_askOptions(askInDialog)
{
    connect(m_button, &QPushButton::clicked, this, &PictureLoader::load);
}

std::optional<protocol::DisplayRect> PictureLoader::target()
{
    const protocol::CornerReading corners = m_corners();
    if (!corners.ok()) {
        m_messages.show(QString::fromStdString(corners.refusal));
        return std::nullopt;
    }
    if (corners.rect == protocol::DisplayRect{0, 0, 0, 0}) // the page's defaults
        return protocol::wholeDisplay;
    if (const std::string refusal = protocol::displayRefusal(corners.rect); !refusal.empty()) {
        m_messages.show(QString::fromStdString(refusal));
        return std::nullopt;
    }
    return corners.rect;
}

void PictureLoader::load()
{
    loadFrom([this](QWidget *owner, int width, int height) -> std::optional<protocol::Bitmap> {
        const QString path = m_askPath(owner);
        if (path.isEmpty())
            return std::nullopt;
        const ReadPicture picture = readPicture(path);
        if (picture.image.isNull()) {
            m_messages.show(picture.refusal);
            return std::nullopt;
        }
        const protocol::GreyImage grey = greyImage(picture.image);
        const auto options = m_askOptions(owner, grey, width, height);
        if (!options)
            return std::nullopt;
        return protocol::toBitmap(grey, width, height, *options);
    });
}

void PictureLoader::loadFrom(const PixelsAsker &ask)
{
    const auto target = this->target();
    if (!target)
        return;
    const auto pixels = ask(m_button->window(), target->width(), target->height());
    if (!pixels)
        return;
    emit loaded(*target, QString::fromStdString(
                                 protocol::hexPairs(protocol::packDisplayBytes(*pixels, *target))));
}

} // namespace memory
