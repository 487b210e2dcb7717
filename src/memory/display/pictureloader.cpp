#include "memory/display/pictureloader.h"

#include "memory/display/displayimages.h"
#include "memory/display/displaytexts.h"
#include "memory/display/picturedialog.h"
#include "protocol/hexbytes.h"
#include "ui/messages.h"

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

} // namespace

PictureLoader::PictureLoader(QPushButton *button, Corners corners, ui::Messages &messages,
                             QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_button(button)
    , m_corners(std::move(corners))
    , m_askPath(openFileAsker(tr("Load picture"), imageFilter()))
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
    const auto target = this->target();
    if (!target)
        return;
    QWidget *owner = m_button->window();
    const QString path = m_askPath(owner);
    if (path.isEmpty())
        return;
    const QImage picture(path);
    if (picture.isNull()) {
        m_messages.show(tooltext::pictureUnreadable.arg(QFileInfo(path).fileName()));
        return;
    }
    const protocol::GreyImage grey = greyImage(picture);
    const auto options = m_askOptions(owner, grey, target->width(), target->height());
    if (!options)
        return;
    const protocol::Bitmap pixels
            = protocol::toBitmap(grey, target->width(), target->height(), *options);
    emit loaded(*target, QString::fromStdString(
                                 protocol::hexPairs(protocol::packDisplayBytes(pixels, *target))));
}

} // namespace memory
