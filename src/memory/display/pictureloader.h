#pragma once

#include "protocol/monochrome.h"
#include "ui/fileasker.h"

#include <QObject>

#include <functional>
#include <optional>

class QPushButton;

namespace ui {
class Messages;
}

namespace memory {

// "Load picture..." on LCD Read/Write: a picture, placed into the page's rectangle (the whole
// display while the corners are at their defaults) and turned into lit and dark pixels as the
// person chooses, handed back to the page as the hex text a read of that rectangle answers.
// The page's own "Reformat to Send" and "&Write" send it.
class PictureLoader : public QObject
{
    Q_OBJECT
public:
    // Shows the picture and asks how to turn it into pixels of a width x height rectangle;
    // nothing when the person cancels.
    using OptionsAsker = std::function<std::optional<protocol::PictureOptions>(
            QWidget *parent, const protocol::GreyImage &picture, int width, int height)>;

    // The page's rectangle as its corner boxes hold it at the time of asking.
    using Corners = std::function<protocol::CornerReading()>;

    // `button` is the page's "Load picture...".
    PictureLoader(QPushButton *button, Corners corners, ui::Messages &messages, QObject *parent);

    void setPathAsker(ui::FileAsker asker) { m_askPath = std::move(asker); }
    void setOptionsAsker(OptionsAsker asker) { m_askOptions = std::move(asker); }

signals:
    // The picture as the hex text a read of `rect` answers.
    void loaded(const protocol::DisplayRect &rect, const QString &hex);

private:
    void load();
    std::optional<protocol::DisplayRect> target();

    ui::Messages &m_messages;
    QPushButton *m_button;
    Corners m_corners;
    ui::FileAsker m_askPath;
    OptionsAsker m_askOptions;
};

} // namespace memory
