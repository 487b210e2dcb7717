#include "board/lcdview.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace board {

namespace {

// A yellow-green reflective panel with dark pixels, in a dark bezel.
const QColor lit(0x1f, 0x2a, 0x1c);
const QColor unlit(0xa9, 0xbc, 0x8c);
const QColor bezel(0x2f, 0x36, 0x2b);

// Glass around the pixels, in display pixels.
constexpr int glass = 3;
constexpr int glassWidth = Lcd::width + 2 * glass;
constexpr int glassHeight = Lcd::height + 2 * glass;

bool isLit(const LcdMemory &memory, int x, int y)
{
    return (memory[static_cast<std::size_t>((y / 8) * Lcd::width + x)] >> (y % 8)) & 1;
}

} // namespace

LcdView::LcdView(QWidget *parent)
    : QWidget(parent)
    , m_saveImage(new QAction(tr("Save image..."), this))
{
    setObjectName(QStringLiteral("lcdView"));
    setAccessibleName(tr("Simulated LCD"));
    setAccessibleDescription(tr("The board's display, 128 by 64 pixels"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    addAction(m_saveImage);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_saveImage, &QAction::triggered, this, &LcdView::saveImageAs);
    m_askPath = [](QWidget *owner) {
        return QFileDialog::getSaveFileName(owner, tr("Save image"), QStringLiteral("lcd.png"),
                                            tr("PNG images (*.png)"));
    };
    m_tellProblem = [](QWidget *owner, const QString &text) {
        QMessageBox::warning(owner, tr("Save image"), text);
    };
}

void LcdView::setMemory(const LcdMemory &memory)
{
    if (memory == m_memory)
        return;
    m_memory = memory;
    update();
}

int LcdView::zoom() const
{
    const double ratio = devicePixelRatioF();
    const int across = static_cast<int>(std::floor(width() * ratio / glassWidth));
    const int down = static_cast<int>(std::floor(height() * ratio / glassHeight));
    return std::max(1, std::min(across, down));
}

QImage LcdView::image(int scale) const
{
    scale = std::max(1, scale);
    QImage picture(glassWidth * scale, glassHeight * scale, QImage::Format_RGB32);
    picture.fill(unlit);
    QPainter painter(&picture);
    for (int y = 0; y < Lcd::height; ++y) {
        for (int x = 0; x < Lcd::width; ++x) {
            if (isLit(m_memory, x, y))
                painter.fillRect((x + glass) * scale, (y + glass) * scale, scale, scale, lit);
        }
    }
    return picture;
}

bool LcdView::saveImage(const QString &path) const
{
    // A regular file or a new one only: a pipe would hold the window until something reads
    // it, and the saved file must not take the place of a device.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return false;
    QSaveFile file(path);
    // The flush is asked for on its own: commit() misses a failure of its own flush.
    return file.open(QIODevice::WriteOnly) && image(zoom()).save(&file, "PNG") && file.flush()
           && file.commit();
}

void LcdView::saveImageAs()
{
    const QString path = m_askPath ? m_askPath(this) : QString();
    if (!path.isEmpty() && !saveImage(path) && m_tellProblem)
        m_tellProblem(this, tr("The image could not be saved to %1.").arg(path));
}

QSize LcdView::sizeHint() const
{
    return {glassWidth * 4, glassHeight * 4};
}

QSize LcdView::minimumSizeHint() const
{
    return {glassWidth, glassHeight};
}

void LcdView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), bezel);
    const double ratio = devicePixelRatioF();
    QImage picture = image(zoom());
    picture.setDevicePixelRatio(ratio);
    // Placed on whole screen pixels, so that no display pixel is smeared.
    const double left = std::floor((width() * ratio - picture.width()) / 2) / ratio;
    const double top = std::floor((height() * ratio - picture.height()) / 2) / ratio;
    painter.drawImage(QPointF(left, top), picture);
}

} // namespace board
