#include "pages/drawingpages.h"

#include "pages/pointpages.h"
#include "ui/commandlink.h"
#include "ui/messages.h"
#include "ui/pagetabs.h"

namespace pages {

DrawingPages::DrawingPages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages)
    : QObject(&tabs)
{
    attachDotPages(tabs, link, messages);
    attachStringPages(tabs, link, messages);
}

} // namespace pages
