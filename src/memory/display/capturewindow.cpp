#include "memory/display/capturewindow.h"

#include "memory/display/displayimages.h"
#include "memory/display/displaytexts.h"
#include "ui/chosenfile.h"
#include "ui/messages.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace memory {

namespace {

const QColor bezel(0x2f, 0x36, 0x2b);

} // namespace

CaptureWindow::CaptureWindow(ui::Messages &messages, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_messages(messages)
    , m_view(new QLabel)
    , m_zoom(new QSpinBox)
    , m_askPath(ui::saveFileAsker(tr("Save image"), QStringLiteral("display.png"),
                                  tr("PNG images (*.png)")))
{
    setObjectName(QStringLiteral("lcdCapture"));
    setWindowTitle(tr("Captured display"));

    m_view->setObjectName(QStringLiteral("lcdCaptureView"));
    m_view->setAccessibleName(tr("Captured display"));
    m_view->setAlignment(Qt::AlignCenter);
    m_view->setMargin(8); // the bezel
    m_view->setAutoFillBackground(true);
    QPalette palette = m_view->palette();
    palette.setColor(QPalette::Window, bezel);
    m_view->setPalette(palette);

    m_zoom->setObjectName(QStringLiteral("lcdCaptureZoom"));
    m_zoom->setRange(1, 8);
    m_zoom->setValue(3);
    m_zoom->setSuffix(QStringLiteral(" x"));
    auto *zoomLabel = new QLabel(tr("&Zoom"));
    zoomLabel->setBuddy(m_zoom);
    m_zoom->setAccessibleName(tr("Zoom"));
    connect(m_zoom, &QSpinBox::valueChanged, this, &CaptureWindow::redraw);

    auto *save = new QPushButton(tr("&Save image..."));
    save->setObjectName(QStringLiteral("lcdCaptureSave"));
    connect(save, &QPushButton::clicked, this, &CaptureWindow::saveImageAs);

    auto *controls = new QHBoxLayout;
    controls->addWidget(zoomLabel);
    controls->addWidget(m_zoom);
    controls->addStretch(1);
    controls->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(controls);
}

void CaptureWindow::setPicture(const protocol::Bitmap &bitmap)
{
    m_bitmap = bitmap;
    redraw();
}

int CaptureWindow::zoom() const
{
    return m_zoom->value();
}

void CaptureWindow::setZoom(int zoom)
{
    m_zoom->setValue(zoom);
}

QImage CaptureWindow::image(int scale) const
{
    return displayImage(m_bitmap, scale, displayGlass);
}

QString CaptureWindow::saveImage(const QString &path) const
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly)
        || !displayImage(m_bitmap, zoom(), 0).save(&buffer, "PNG"))
        return tooltext::imageNotSaved.arg(path);
    return ui::writeChosenFile(path, png);
}

void CaptureWindow::saveImageAs()
{
    const QString path = m_askPath ? m_askPath(this) : QString();
    if (const QString refusal = path.isEmpty() ? QString() : saveImage(path); !refusal.isEmpty())
        m_messages.show(refusal);
}

void CaptureWindow::redraw()
{
    m_view->setPixmap(QPixmap::fromImage(image(zoom())));
    adjustSize();
}

} // namespace memory
