#include "memory/memorypages.h"

#include "memory/display/lcdpage.h"
#include "memory/eeprom/eepromreadpage.h"
#include "memory/eeprom/eepromwritepage.h"
#include "ui/pagetabs.h"

namespace memory {

MemoryPages::MemoryPages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages)
    : QObject(&tabs)
{
    // Each page brings the additions that extend it.
    new EepromReadPage(tabs, link, messages, this);
    new EepromWritePage(tabs, link, messages, this);
    new LcdPage(tabs, link, messages, this);
}

} // namespace memory
