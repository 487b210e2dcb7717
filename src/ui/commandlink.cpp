#include "ui/commandlink.h"

#include "protocol/frames.h"

namespace ui {

void clearDisplay(CommandLink &link)
{
    if (link.guardOpen())
        link.send(QString::fromStdString(protocol::clearDisplayFrame()));
}

} // namespace ui
