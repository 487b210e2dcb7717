#pragma once

#include "protocol/refusal.h"

#include <QObject>

#include <functional>

namespace ui {
class CommandLink;
class Messages;
} // namespace ui

namespace pages {

// A control the layout tables built, found by its fixed name.
template<typename T>
T *control(const QObject &root, const char *name)
{
    T *found = root.findChild<T *>(QLatin1String(name));
    Q_ASSERT_X(found, "pages::control", name);
    return found;
}

// The named button's click runs the usual road: the port-open guard, then the frame `build`
// makes of the page's boxes, sent, or its refusal shown.
void transmitOnClick(const QObject &root, const char *button, ui::CommandLink &link,
                     ui::Messages &messages, std::function<protocol::Encoded()> build);

} // namespace pages
