#pragma once

#include "protocol/monochrome.h"
#include "ui/fileasker.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QSpinBox;

namespace ui {
class Messages;
}

namespace memory {

// A captured display in a small window of its own, drawn as the simulated board's window draws
// its display, zoomable, and saved as a PNG on request. The PNG holds the display's pixels
// only, without the panel around them, so that loading it back as a picture gives the same
// display.
class CaptureWindow : public QWidget
{
    Q_OBJECT
public:
    CaptureWindow(ui::Messages &messages, QWidget *parent);

    void setPicture(const protocol::Bitmap &bitmap);
    const protocol::Bitmap &picture() const { return m_bitmap; }

    // Screen pixels per display pixel.
    int zoom() const;
    void setZoom(int zoom);

    // The display with its panel, as the window shows it.
    QImage image(int scale) const;
    // Why the PNG could not be written to `path`, naming it; empty when it was.
    QString saveImage(const QString &path) const;
    void saveImageAs();
    void setPathAsker(ui::FileAsker asker) { m_askPath = std::move(asker); }

private:
    void redraw();

    ui::Messages &m_messages;
    protocol::Bitmap m_bitmap;
    QLabel *m_view;
    QSpinBox *m_zoom;
    ui::FileAsker m_askPath;
};

} // namespace memory
