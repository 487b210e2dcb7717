#pragma once

#include "protocol/refusal.h"
#include "ui/controls.h"

#include <QObject>

#include <functional>

class QListWidget;

namespace ui {
class CommandLink;
class Messages;
} // namespace ui

namespace pages {

using ui::control;

// The named button's click runs the usual road: the port-open guard, then the frame `build`
// makes of the page's boxes, sent, or its refusal shown.
void transmitOnClick(const QObject &root, const char *button, ui::CommandLink &link,
                     ui::Messages &messages, std::function<protocol::Encoded()> build);

// Ctrl+click and Ctrl+Space would leave a single-selection list with nothing selected; this
// list selects again what they took away.
void keepSelection(QListWidget *list);

} // namespace pages
