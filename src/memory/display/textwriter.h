#pragma once

#include "memory/display/pictureloader.h"

#include <QObject>

class QPushButton;

namespace memory {

// "Write Text..." on LCD Read/Write: text drawn into the page's rectangle becomes a picture and
// takes the picture loader's way into `txtlcd` and the corner boxes, to be sent by the page's
// own "Reformat to Send" and "&Write".
class TextWriter : public QObject
{
    Q_OBJECT
public:
    TextWriter(QPushButton *button, PictureLoader &pictures, QObject *parent);

    // Lets a test stand in for the dialog, which is modal.
    void setTextAsker(PictureLoader::PixelsAsker asker) { m_askText = std::move(asker); }

private:
    PictureLoader::PixelsAsker m_askText;
};

} // namespace memory
