#pragma once

#include <QObject>

namespace ui {
class CommandLink;
class Messages;
class PageTabs;
} // namespace ui

namespace memory {

// The behaviour of the memory pages of `SSTab1`: Read EEprom, Write EEprom and LCD Read/Write.
// The controls themselves are the layout tables'; each page finds its own by name and hands
// the additions that extend it what they need.
class MemoryPages : public QObject
{
    Q_OBJECT
public:
    MemoryPages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages);
};

} // namespace memory
