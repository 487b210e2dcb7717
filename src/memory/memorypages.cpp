#include "memory/memorypages.h"

#include "ui/commandlink.h"
#include "ui/messages.h"
#include "ui/pagetabs.h"

namespace memory {

MemoryPages::MemoryPages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages)
    : QObject(&tabs)
{
    Q_UNUSED(link);
    Q_UNUSED(messages);
}

} // namespace memory
