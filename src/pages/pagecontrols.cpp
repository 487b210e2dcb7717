#include "pages/pagecontrols.h"

#include "ui/commandlink.h"

#include <QAbstractButton>

namespace pages {

void transmitOnClick(const QObject &root, const char *button, ui::CommandLink &link,
                     ui::Messages &messages, std::function<protocol::Encoded()> build)
{
    auto *pressed = control<QAbstractButton>(root, button);
    QObject::connect(
            pressed, &QAbstractButton::clicked, pressed,
            [&link, &messages, build = std::move(build)] { ui::transmit(link, messages, build); });
}

} // namespace pages
