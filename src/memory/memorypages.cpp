#include "memory/memorypages.h"

#include "memory/display/displaycapture.h"
#include "memory/display/lcdpage.h"
#include "memory/display/pictureloader.h"
#include "memory/eeprom/eepromfiles.h"
#include "memory/eeprom/eepromreadpage.h"
#include "memory/eeprom/eepromwritepage.h"
#include "ui/pagetabs.h"

namespace memory {

MemoryPages::MemoryPages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages)
    : QObject(&tabs)
{
    new EepromReadPage(tabs, link, messages, this);
    new EepromWritePage(tabs, link, messages, this);
    new LcdPage(tabs, link, messages, this);
    // Beyond the pages' own buttons: the display as a picture and the EEPROMs as files.
    new DisplayCapture(tabs, link, messages, this);
    new PictureLoader(tabs, messages, this);
    new EepromSaver(tabs, messages, this);
    new EepromOpener(tabs, messages, this);
}

} // namespace memory
