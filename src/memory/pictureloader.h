#pragma once

#include "memory/fileasker.h"
#include "protocol/monochrome.h"

#include <QObject>

#include <functional>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ui {
class Messages;
}

namespace memory {

// "Load picture..." on LCD Read/Write: a picture, placed into the page's rectangle (the whole
// display while the corners are at their defaults) and turned into lit and dark pixels as the
// person chooses, goes into `txtlcd` as the hex text a read of that rectangle answers, with the
// corner boxes set. The page's own "Reformat to Send" and "&Write" send it.
class PictureLoader : public QObject
{
    Q_OBJECT
public:
    // Shows the picture and asks how to turn it into pixels of a width x height rectangle;
    // nothing when the person cancels.
    using OptionsAsker = std::function<std::optional<protocol::PictureOptions>(
            QWidget *parent, const protocol::GreyImage &picture, int width, int height)>;
    // The pixels of a width x height rectangle from wherever they come; nothing when the
    // person cancels or the source could not give them.
    using PixelsAsker
            = std::function<std::optional<protocol::Bitmap>(QWidget *owner, int width, int height)>;

    // Finds its button and the page's controls among `pages`.
    PictureLoader(const QObject &pages, ui::Messages &messages, QObject *parent);

    void setPathAsker(FileAsker asker) { m_askPath = std::move(asker); }
    void setOptionsAsker(OptionsAsker asker) { m_askOptions = std::move(asker); }

    // The page's rectangle checked, then pixels of its size from `ask` into `txtlcd` and the
    // corner boxes, as a loaded picture goes there.
    void loadFrom(const PixelsAsker &ask);

private:
    void load();
    std::optional<protocol::DisplayBlock> block();

    ui::Messages &m_messages;
    QPushButton *m_button;
    QLineEdit *m_x1;
    QLineEdit *m_x2;
    QLineEdit *m_y1;
    QLineEdit *m_y2;
    QPlainTextEdit *m_bytes;
    QPushButton *m_reformat;
    FileAsker m_askPath;
    OptionsAsker m_askOptions;
};

} // namespace memory
