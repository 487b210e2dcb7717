#include "memory/display/textwriter.h"

#include "memory/display/textdialog.h"

#include <QPushButton>

namespace memory {

namespace {

std::optional<protocol::Bitmap> askInDialog(QWidget *owner, int width, int height)
{
    TextDialog dialog(width, height, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.preview();
}

} // namespace

TextWriter::TextWriter(QPushButton *button, PictureLoader &pictures, QObject *parent)
    : QObject(parent)
    , m_askText(askInDialog)
{
    connect(button, &QPushButton::clicked, this,
            [this, &pictures] { pictures.loadFrom(m_askText); });
}

} // namespace memory
