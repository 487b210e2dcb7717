#include "pages/drawingpages.h"

#include "ui/commandlink.h"
#include "ui/messages.h"
#include "ui/pagetabs.h"

namespace pages {

DrawingPages::DrawingPages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages)
    : QObject(&tabs)
{
    Q_UNUSED(link);
    Q_UNUSED(messages);
}

} // namespace pages
