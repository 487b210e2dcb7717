#include "memory/memorypages.h"

#include "memory/displaycapture.h"
#include "memory/eepromfiles.h"
#include "memory/eepromreadpage.h"
#include "memory/eepromwritepage.h"
#include "memory/lcdpage.h"
#include "memory/pictureloader.h"
#include "memory/textwriter.h"
#include "ui/controls.h"
#include "ui/pagetabs.h"

#include <QPushButton>

namespace memory {

MemoryPages::MemoryPages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages)
    : QObject(&tabs)
{
    new EepromReadPage(tabs, link, messages, this);
    new EepromWritePage(tabs, link, messages, this);
    new LcdPage(tabs, link, messages, this);
    // Beyond the pages' own buttons: the display as a picture and the EEPROMs as files.
    new DisplayCapture(tabs, link, messages, this);
    auto *pictures = new PictureLoader(tabs, messages, this);
    new TextWriter(ui::control<QPushButton>(tabs, "cmdlcdtext"), *pictures, this);
    new EepromSaver(tabs, messages, this);
    new EepromOpener(tabs, messages, this);
}

} // namespace memory
