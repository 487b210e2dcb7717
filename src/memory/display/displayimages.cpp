#include "memory/display/displayimages.h"

#include <QPainter>

#include <algorithm>

namespace memory {

namespace {

// The simulated board's panel colours, so that a capture looks like the board's own window.
const QColor lit(0x1f, 0x2a, 0x1c);
const QColor unlit(0xa9, 0xbc, 0x8c);

} // namespace

QImage displayImage(const protocol::Bitmap &bitmap, int scale, int glass)
{
    scale = std::max(1, scale);
    QImage image((bitmap.width + 2 * glass) * scale, (bitmap.height + 2 * glass) * scale,
                 QImage::Format_RGB32);
    image.fill(unlit);
    QPainter painter(&image);
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.at(x, y))
                painter.fillRect((x + glass) * scale, (y + glass) * scale, scale, scale, lit);
        }
    }
    return image;
}

protocol::GreyImage greyImage(const QImage &picture)
{
    QImage paper(picture.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QImage source = picture;
    source.setDevicePixelRatio(1); // one picture pixel, one grey, whatever screen it was made for
    QPainter(&paper).drawImage(0, 0, source);

    protocol::GreyImage grey{paper.width(), paper.height(), {}};
    grey.pixels.reserve(static_cast<std::size_t>(paper.width()) * paper.height());
    for (int y = 0; y < paper.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(paper.constScanLine(y));
        for (int x = 0; x < paper.width(); ++x)
            grey.pixels.push_back(static_cast<std::uint8_t>(qGray(line[x])));
    }
    return grey;
}

} // namespace memory
