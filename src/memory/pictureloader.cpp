#include "memory/pictureloader.h"

#include "memory/displayimages.h"
#include "memory/memorywidgets.h"
#include "memory/picturedialog.h"
#include "memory/tooltexts.h"
#include "protocol/hexbytes.h"
#include "protocol/numbers.h"
#include "protocol/refusal.h"
#include "ui/messages.h"

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
            m_messages.show(QString::fromStdString(
                    protocol::needsWholeNumber(boxes[i]->accessibleName().toStdString())));
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
    loadFrom([this](QWidget *owner, int width, int height) -> std::optional<protocol::Bitmap> {
        const QString path = m_askPath(owner);
        if (path.isEmpty())
            return std::nullopt;
        const QImage picture(path);
        if (picture.isNull()) {
            m_messages.show(tooltext::pictureUnreadable.arg(QFileInfo(path).fileName()));
            return std::nullopt;
        }
        const protocol::GreyImage grey = greyImage(picture);
        const auto options = m_askOptions(owner, grey, width, height);
        if (!options)
            return std::nullopt;
        return protocol::toBitmap(grey, width, height, *options);
    });
}

void PictureLoader::loadFrom(const PixelsAsker &ask)
{
    const auto target = block();
    if (!target)
        return;
    const auto pixels = ask(m_button->window(), target->width(), target->height());
    if (!pixels)
        return;
    m_x1->setText(cornerText(target->x1, 3));
    m_x2->setText(cornerText(target->x2, 3));
    m_y1->setText(cornerText(target->page1, 2));
    m_y2->setText(cornerText(target->page2, 2));
    setMemoText(m_bytes, QString::fromStdString(
                                 protocol::hexPairs(protocol::packDisplayBytes(*pixels, *target))));
    // New text to reformat, as after "&Paste".
    m_reformat->setEnabled(true);
}

} // namespace memory
