#include "iconset.h"

#include "ui/boardart.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace tools {

namespace {

// The drawing's own grid is 32 units; the SVG keeps a larger canvas so that viewers which
// ignore the view box still show it at a usable size.
constexpr int svgSide = 256;

QString makeParent(const QString &path)
{
    const QString dir = QFileInfo(path).path();
    return QDir().mkpath(dir) ? QString() : QStringLiteral("cannot create %1").arg(dir);
}

QString writeSvg(const QString &path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(svgSide, svgSide));
    svg.setViewBox(QRect(0, 0, svgSide, svgSide));
    svg.setTitle(QStringLiteral("Sketra"));
    svg.setDescription(QStringLiteral("A graphic LCD with a circle drawn on it"));
    QPainter painter;
    if (!painter.begin(&svg))
        return QStringLiteral("cannot write %1").arg(path);
    ui::paintIcon(painter, QRectF(0, 0, svgSide, svgSide));
    return painter.end() ? QString() : QStringLiteral("cannot write %1").arg(path);
}

QString writePng(const QString &path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    ui::paintIcon(painter, QRectF(0, 0, size, size));
    painter.end();
    return image.save(path, "PNG") ? QString() : QStringLiteral("cannot write %1").arg(path);
}

} // namespace

QString scalableIconPath(const QString &themeDir, const QString &name)
{
    return QStringLiteral("%1/scalable/apps/%2.svg").arg(themeDir, name);
}

QString pixelIconPath(const QString &themeDir, const QString &name, int size)
{
    return QStringLiteral("%1/%2x%2/apps/%3.png").arg(themeDir).arg(size).arg(name);
}

QString writeIconSet(const QString &themeDir, const QString &name, const QList<int> &sizes)
{
    const QString svg = scalableIconPath(themeDir, name);
    QString error = makeParent(svg);
    if (error.isEmpty())
        error = writeSvg(svg);
    for (const int size : sizes) {
        if (!error.isEmpty())
            break;
        const QString png = pixelIconPath(themeDir, name, size);
        error = makeParent(png);
        if (error.isEmpty())
            error = writePng(png, size);
    }
    return error;
}

} // namespace tools
