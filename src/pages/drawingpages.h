#pragma once

#include <QObject>

namespace ui {
class CommandLink;
class Messages;
class PageTabs;
} // namespace ui

namespace pages {

// The behaviour of the drawing pages of `SSTab1`: their buttons, the double click on the tab
// control and the focus-loss checks of their boxes. The controls themselves are the layout
// tables'; this finds them by name.
class DrawingPages : public QObject
{
    Q_OBJECT
public:
    DrawingPages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages);
};

} // namespace pages
