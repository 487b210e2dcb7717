#include "memory/memorypages.h"

#include "memory/eepromreadpage.h"
#include "memory/eepromwritepage.h"
#include "memory/lcdpage.h"
#include "ui/pagetabs.h"

namespace memory {

MemoryPages::MemoryPages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages)
    : QObject(&tabs)
{
    new EepromReadPage(tabs, link, messages, this);
    new EepromWritePage(tabs, link, messages, this);
    new LcdPage(tabs, link, messages, this);
}

} // namespace memory
